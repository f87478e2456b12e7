#pragma once

#include "core/settings/atomic_file.h"

#include <QImage>
#include <QString>

namespace kr::gui {

// Saves the picture in the format as the file, whole or not at all, as every
// file the user keeps is written; a picture the format cannot take is a
// failure with Qt's reason.
FileWriteResult SaveImageAtomically(const QImage& image, const QString& file, const char* format);

}  // namespace kr::gui
