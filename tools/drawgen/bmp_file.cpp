#include "drawgen/bmp_file.h"

#include <cstdint>

namespace kr::drawgen {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint16_t BitsPerPixel = 24;
constexpr std::uint32_t CompressionRgb = 0;
constexpr std::int32_t PixelsPerMetre = 3780;  // 96 dots per inch

void PutU16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutI32(std::string& out, std::int32_t value) { PutU32(out, static_cast<std::uint32_t>(value)); }

}  // namespace

std::string EncodeBmp(const Image& image)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.Width()) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.Height());
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize;

    std::string out;
    out.reserve(pixelOffset + pixelBytes);
    out += "BM";
    PutU32(out, pixelOffset + pixelBytes);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, pixelOffset);

    PutU32(out, InfoHeaderSize);
    PutI32(out, image.Width());
    PutI32(out, image.Height());  // positive: the first stored row is the bottom one
    PutU16(out, 1);               // planes
    PutU16(out, BitsPerPixel);
    PutU32(out, CompressionRgb);
    PutU32(out, pixelBytes);
    PutI32(out, PixelsPerMetre);
    PutI32(out, PixelsPerMetre);
    PutU32(out, 0);  // colours used: none, there is no palette
    PutU32(out, 0);  // important colours: all

    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb pixel = image.At(x, y);
            out.push_back(static_cast<char>(pixel.blue));
            out.push_back(static_cast<char>(pixel.green));
            out.push_back(static_cast<char>(pixel.red));
        }
        out.append(rowStart + rowBytes - out.size(), '\0');
    }
    return out;
}

}  // namespace kr::drawgen
