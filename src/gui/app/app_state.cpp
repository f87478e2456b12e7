#include "gui/app/app_state.h"

namespace kr::gui {

const LanguageTable& AppState::Texts() const
{
    static const LanguageTable none;
    if (ScreenLanguage < 0 || ScreenLanguage >= static_cast<int>(Languages.size()))
        return none;
    return Languages[static_cast<std::size_t>(ScreenLanguage)].Table;
}

}  // namespace kr::gui
