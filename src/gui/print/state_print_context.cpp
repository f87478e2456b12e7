#include "gui/print/state_print_context.h"

#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"

#include <QDate>

namespace kr::gui {

PrintContext MakePrintContext(const AppState& state, const LanguageTable& printTexts)
{
    return PrintContext{
        printTexts,
        state.Format,
        PathOf(state.Settings.BitmapDir),
        state.Settings.NameOnPrint,
        state.Settings.NameAddress,
        ToUtf8(QDate::currentDate().toString(state.DateFormat)),
    };
}

}  // namespace kr::gui
