#pragma once

#include <QPixmap>

class QWidget;

namespace kr::gui {

struct AppState;

// Places a dialog in the middle of its owner (integer halves of the
// differences, rounding toward zero).
void CentreOnOwner(QWidget& dialog, const QWidget& owner);

// The maker's logo, "kalvorn.bmp" from the picture folder or, failing that,
// from the program's folder; a null pixmap when neither has it.
QPixmap LoadLogo(const AppState& state);

}  // namespace kr::gui
