#pragma once

#include <initializer_list>

class QRadioButton;

namespace kr::gui {

// Clears radio buttons of an exclusive group, which a click never can:
// afterwards none of them is selected.
void UncheckRadioButtons(std::initializer_list<QRadioButton*> buttons);

}  // namespace kr::gui
