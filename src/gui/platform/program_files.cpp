#include "gui/platform/program_files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kr::gui {

QString ExecutableFileName(QStringView baseName)
{
#ifdef Q_OS_WIN
    return baseName.toString() + QStringLiteral(".exe");
#else
    return baseName.toString();
#endif
}

bool StartPresentationProgram(const QString& dir, QStringView baseName)
{
    const QString program = QDir(dir).filePath(ExecutableFileName(baseName));
    if (!QFileInfo(program).isFile())
        return false;
    return QProcess::startDetached(program, {});
}

}  // namespace kr::gui
