#pragma once

#include <QString>

namespace kr::gui {

// The full path of a file that a data file names inside `folder`, or an
// empty path when the name would lead out of it (absolute, "..", ".") or
// is empty: such a file is treated as missing.
QString PathInsideFolder(const QString& folder, const QString& name);

}  // namespace kr::gui
