#include "gui/platform/data_file_path.h"

#include "core/common/data_file_names.h"

#include <QDir>

namespace kr::gui {

QString PathInsideFolder(const QString& folder, const QString& name)
{
    if (!StaysInsideFolder(std::filesystem::path(name.toStdString())))
        return {};
    return QDir(folder).filePath(name);
}

}  // namespace kr::gui
