#include "core/present/drawing_files.h"

#include "core/common/data_file_names.h"

#include <string>

namespace kr {

namespace {
constexpr std::string_view BitmapSuffix = "b.bmp";
constexpr std::string_view DxfSuffix = ".DXF";
}  // namespace

std::optional<DrawingFiles> FindDrawing(const CoolerRecordList& records, std::string_view designation,
                                        const std::filesystem::path& pictureDir)
{
    for (const tCoolType& record : records) {
        const std::string name = record.DrawingFile();
        if (record.Designation() != designation || !StaysInsideFolder(name))
            continue;
        return DrawingFiles{pictureDir / (name + std::string(BitmapSuffix)), pictureDir / (name + std::string(DxfSuffix))};
    }
    return std::nullopt;
}

}  // namespace kr
