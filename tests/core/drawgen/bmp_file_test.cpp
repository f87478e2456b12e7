#include "drawgen/bmp_file.h"

#include <gtest/gtest.h>

#include "file_readers.h"

namespace kr::drawgen {
namespace {

using test::LittleEndian;

TEST(BmpFile, HeaderDescribesAnUncompressed24BitBottomUpBitmap)
{
    const std::string bytes = EncodeBmp(Image(5, 3, White));
    const std::uint32_t stride = 16;  // 5 x 3 bytes padded to a multiple of 4
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian(bytes, 2, 4), bytes.size());  // file size
    EXPECT_EQ(LittleEndian(bytes, 6, 4), 0u);            // reserved
    EXPECT_EQ(LittleEndian(bytes, 10, 4), 54u);          // pixel data offset
    EXPECT_EQ(LittleEndian(bytes, 14, 4), 40u);          // BITMAPINFOHEADER
    EXPECT_EQ(LittleEndian(bytes, 18, 4), 5u);
    EXPECT_EQ(LittleEndian(bytes, 22, 4), 3u);           // positive: bottom-up
    EXPECT_EQ(LittleEndian(bytes, 26, 2), 1u);           // planes
    EXPECT_EQ(LittleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u);           // BI_RGB
    EXPECT_EQ(LittleEndian(bytes, 34, 4), stride * 3);
    EXPECT_EQ(LittleEndian(bytes, 38, 4), 3780u);        // 96 dpi
    EXPECT_EQ(LittleEndian(bytes, 46, 4), 0u);           // no palette
    EXPECT_EQ(bytes.size(), 54 + stride * 3);
}

TEST(BmpFile, RowsArePaddedToFourBytesWithZeros)
{
    struct Case {
        int width;
        std::size_t stride;
    };
    for (const Case& c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}, Case{7, 24}, Case{801, 2404}}) {
        SCOPED_TRACE(c.width);
        const std::string bytes = EncodeBmp(Image(c.width, 2, White));
        ASSERT_EQ(bytes.size(), 54 + 2 * c.stride);
        for (int row = 0; row < 2; ++row)
            for (std::size_t pad = c.width * 3; pad < c.stride; ++pad)
                EXPECT_EQ(bytes[54 + row * c.stride + pad], '\0');
    }
}

TEST(BmpFile, PixelsAreStoredBlueGreenRedFromTheBottomRow)
{
    Image image(3, 2, White);
    image.Set(0, 0, Rgb{10, 20, 30});   // top left
    image.Set(2, 1, Rgb{40, 50, 60});   // bottom right
    const std::string bytes = EncodeBmp(image);
    const std::size_t bottomRow = 54;
    const std::size_t topRow = 54 + 12;
    EXPECT_EQ(static_cast<unsigned char>(bytes[topRow + 0]), 30);
    EXPECT_EQ(static_cast<unsigned char>(bytes[topRow + 1]), 20);
    EXPECT_EQ(static_cast<unsigned char>(bytes[topRow + 2]), 10);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow + 6]), 60);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow + 7]), 50);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow + 8]), 40);

    const test::DecodedBmp decoded = test::DecodeBmp(bytes);
    EXPECT_EQ(decoded.Red(0, 0), 10);
    EXPECT_EQ(decoded.Blue(2, 1), 60);
    EXPECT_TRUE(decoded.White(1, 0));
}

}  // namespace
}  // namespace kr::drawgen
