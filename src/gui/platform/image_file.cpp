#include "gui/platform/image_file.h"

#include <QBuffer>
#include <QImageWriter>

namespace kr::gui {

FileWriteResult SaveImageAtomically(const QImage& image, const QString& file, const char* format)
{
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(image))
        return {writer.errorString().toStdString(), {}};
    const QByteArray& bytes = encoded.data();
    return ReplaceFileAtomically(std::filesystem::path(file.toStdU16String()),
                                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace kr::gui
