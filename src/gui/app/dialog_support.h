#pragma once

#include <QPixmap>
#include <Qt>

class QWidget;

namespace kr {
struct FileWriteResult;
}

namespace kr::gui {

struct AppState;

// The program's dialogs keep their size: a title with the close button,
// and no minimise or maximise button for the window manager to offer.
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowCloseButtonHint;

// Places a dialog in the middle of its owner (integer halves of the
// differences, rounding toward zero).
void CentreOnOwner(QWidget& dialog, const QWidget& owner);

// The maker's logo, "kalvorn.bmp" from the picture folder or, failing that,
// from the program's folder; a null pixmap when neither has it.
QPixmap LoadLogo(const AppState& state);

// Tells the user, in the screen language, that the settings could not be
// saved: in which file, and why.
void ShowSettingsWriteFailure(QWidget* owner, const AppState& state, const FileWriteResult& written);

}  // namespace kr::gui
