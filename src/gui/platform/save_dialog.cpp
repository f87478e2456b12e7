#include "gui/platform/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace kr::gui {

QString AskSaveFileName(QWidget* owner, const SaveFileRequest& request)
{
    QFileDialog dialog(owner, request.Caption, request.Folder, request.Filter);
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    // The toolkit's own dialog speaks the program's language and can be
    // driven by tests; the platform's may do neither.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace kr::gui
