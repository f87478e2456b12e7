#include "gui/widgets/radio_buttons.h"

#include <QRadioButton>

namespace kr::gui {

void UncheckRadioButtons(std::initializer_list<QRadioButton*> buttons)
{
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

}  // namespace kr::gui
