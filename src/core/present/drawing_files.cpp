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
    const tCoolType* record = FindDrawingRecord(records, designation);
    if (record == nullptr)
        return std::nullopt;
    return DrawingFilesOf(*record, pictureDir);
}

const tCoolType* FindDrawingRecord(const CoolerRecordList& records, std::string_view designation)
{
    for (const tCoolType& record : records)
        if (record.Designation() == designation && StaysInsideFolder(record.DrawingFile()))
            return &record;
    return nullptr;
}

DrawingFiles DrawingFilesOf(const tCoolType& record, const std::filesystem::path& pictureDir)
{
    const std::string name = record.DrawingFile();
    return {pictureDir / (name + std::string(BitmapSuffix)), pictureDir / (name + std::string(DxfSuffix))};
}

}  // namespace kr
