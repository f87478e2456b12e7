#pragma once

namespace kr::gui {

// What screen readers hear of the program's own kinds of controls:
// - a list box (QComboBox) is heard on Linux by its current entry, since Qt
//   leaves naming to label relations there; our lists stand beside a value
//   whose label names the quantity, and two unit lists would both be read
//   as "°C". Every non-editable list gets the accessible name set on it (its
//   entry when none is set), its entry as the value and its description.
// - a picture (PictureBox: the curves, a drawing, the logo) is a graphic
//   with the name and description set on it.
// Safe to call more than once; must run before the first control is queried.
void InstallAccessibleInterfaces();

}  // namespace kr::gui
