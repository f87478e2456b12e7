#include "gui/platform/open_dialog.h"

#include "gui/platform/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace kr::gui {

QString AskOpenFileName(QWidget* owner, const OpenFileRequest& request)
{
    const QFileInfo proposed(request.File);
    const QString folder = request.File.isEmpty() ? DocumentsFolder() : proposed.absolutePath();
    QFileDialog dialog(owner, request.Caption, folder, request.Filter);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    // The toolkit's own dialog speaks the program's language and can be
    // driven by tests; the platform's may do neither.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (!request.File.isEmpty())
        dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace kr::gui
