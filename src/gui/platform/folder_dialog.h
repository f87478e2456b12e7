#pragma once

#include <QString>

class QWidget;

namespace kr::gui {

// Asks for a folder, starting in folder, with the toolkit's own dialog in
// the screen language; new folders can be made in it. Empty when the user
// cancels.
QString AskFolder(QWidget* owner, const QString& caption, const QString& folder);

}  // namespace kr::gui
