#include "core/present/drawing_files.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

tCoolType Record(const std::string& designation, const std::string& drawingFile)
{
    tCoolType record;
    record.SetText(CoolerField::Designation, designation);
    record.SetText(CoolerField::DrawingFile, drawingFile);
    return record;
}

TEST(DrawingFiles, TheFirstRecordWithAPlainDrawingNameGivesTheFiles)
{
    const std::filesystem::path pictures = "/pictures";
    const CoolerRecordList records{
        Record("KR 30 AC", ""),              // no drawing of its own: passed over
        Record("KR 30 AC", "../KR30AC"),     // outside the folder: passed over
        Record("KR 30 AC", "KR30AC"),        // the first that qualifies
        Record("KR 30 AC", "KR30-OTHER"),
        Record("kr 30 ac", "KR30LOWER"),     // the designation is compared exactly
    };
    const std::optional<DrawingFiles> found = FindDrawing(records, "KR 30 AC", pictures);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Bitmap, pictures / "KR30ACb.bmp");
    EXPECT_EQ(found->Dxf, pictures / "KR30AC.DXF");
    EXPECT_EQ(FindDrawing(records, "kr 30 ac", pictures)->Bitmap, pictures / "KR30LOWERb.bmp");
    EXPECT_FALSE(FindDrawing(records, "KR 99", pictures).has_value());
    EXPECT_FALSE(FindDrawing({Record("KR 10", "/etc/KR10")}, "KR 10", pictures).has_value());
}

}  // namespace
}  // namespace kr
