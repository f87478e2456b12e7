#pragma once

#include <QString>

class QWidget;

namespace kr::gui {

// What the save dialog offers: its title, the folder and file name it
// proposes, the filter of file types ("DXF file (*.DXF)") and the suffix
// given to a name typed without one.
struct SaveFileRequest {
    QString Caption;
    QString Folder;
    QString FileName;
    QString Filter;
    QString DefaultSuffix;
};

// Asks where to save a file, with the toolkit's own dialog in the screen
// language; asks before an existing file is replaced. Empty when the user
// cancels.
QString AskSaveFileName(QWidget* owner, const SaveFileRequest& request);

// The folder a save dialog proposes first: the user's documents.
QString DocumentsFolder();

}  // namespace kr::gui
