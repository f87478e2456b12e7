#pragma once

#include <QString>

class QWidget;

namespace kr::gui {

// What the open dialog offers: its title, the file it proposes (a full
// path, or empty to start in the user's documents), the filter of file
// types ("Price data (*.dat)") and the suffix tried for a name typed
// without one.
struct OpenFileRequest {
    QString Caption;
    QString File;
    QString Filter;
    QString DefaultSuffix;
};

// Asks for an existing file to open, with the toolkit's own dialog in the
// screen language. Empty when the user cancels.
QString AskOpenFileName(QWidget* owner, const OpenFileRequest& request);

}  // namespace kr::gui
