#include "gui/app/setup_mode.h"

#include "gui/app/app_state.h"
#include "gui/install/form_setup_language.h"

#include <QApplication>

namespace kr::gui {

int RunSetupMode(AppState& state)
{
    TFormSetupLanguage wizard(state);
    if (wizard.ClosesAtOnce())
        return 1;
    wizard.show();
    return QApplication::exec();
}

}  // namespace kr::gui
