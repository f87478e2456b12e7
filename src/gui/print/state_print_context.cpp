#include "gui/print/state_print_context.h"

#include "core/print/print_settings.h"
#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"

#include <QDate>

namespace kr::gui {

PrintContext MakePrintContext(const AppState& state, const LanguageTable& printTexts)
{
    return PrintContextOf(state.Settings, printTexts, state.Format,
                          ToUtf8(QDate::currentDate().toString(state.DateFormat)));
}

}  // namespace kr::gui
