#include "gui/platform/folder_dialog.h"

#include <QFileDialog>

namespace kr::gui {

QString AskFolder(QWidget* owner, const QString& caption, const QString& folder)
{
    QFileDialog dialog(owner, caption, folder);
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    // The toolkit's own dialog speaks the program's language and can be
    // driven by tests; the platform's may do neither.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace kr::gui
