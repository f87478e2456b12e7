#pragma once

#include "core/data/cooler_database.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace kr {

// The dimension drawing of a cooler in the picture folder: the bitmap shown
// on screen ("<DrawingFile>b.bmp") and the CAD file the user can save
// ("<DrawingFile>.DXF").
struct DrawingFiles {
    std::filesystem::path Bitmap;
    std::filesystem::path Dxf;
};

// The drawing of the first record, in the records' order, whose Designation
// equals the text exactly and whose DrawingFile names a file inside the
// folder. Records with an empty or outward-pointing DrawingFile are passed
// over; none when no record qualifies.
std::optional<DrawingFiles> FindDrawing(const CoolerRecordList& records, std::string_view designation,
                                        const std::filesystem::path& pictureDir);

// The record FindDrawing takes the drawing of, by the same rules; none when
// no record qualifies.
const tCoolType* FindDrawingRecord(const CoolerRecordList& records, std::string_view designation);

// The drawing files a record names, in the picture folder.
DrawingFiles DrawingFilesOf(const tCoolType& record, const std::filesystem::path& pictureDir);

}  // namespace kr
