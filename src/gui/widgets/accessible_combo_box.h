#pragma once

namespace kr::gui {

// Screen readers on Linux hear a Qt list box (QComboBox) by its current
// entry: Qt leaves naming to label relations there. Our lists stand beside
// a value whose label names the quantity, and two unit lists would both be
// read as "°C". Installs an accessibility interface that gives every
// non-editable list the accessible name set on it (its entry when none is
// set), its entry as the value and its description. Safe to call more than
// once; must run before the first list is queried.
void InstallAccessibleComboBoxes();

}  // namespace kr::gui
