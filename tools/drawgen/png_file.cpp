#include "drawgen/png_file.h"

#include <zlib.h>

#include <string_view>

#include "drawgen/drawgen_error.h"

namespace kr::drawgen {

namespace {

constexpr std::string_view Signature{"\x89PNG\r\n\x1a\n", 8};
constexpr std::uint8_t BitDepth = 8;
constexpr std::uint8_t ColourTypeRgba = 6;
constexpr std::uint8_t FilterNone = 0;
constexpr int BytesPerPixel = 4;

void AppendBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// Length, type, data and the CRC of type and data.
void AppendChunk(std::string& out, std::string_view type, std::string_view data)
{
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + std::string(data);
    out += typed;
    AppendBigEndian(out, static_cast<std::uint32_t>(
                             crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

std::string Compressed(const std::string& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw DrawgenError("png: the pixel data cannot be compressed");
    out.resize(size);
    return out;
}

}  // namespace

std::string EncodePng(const TransparentImage& image)
{
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * BytesPerPixel;
    if (image.width <= 0 || image.height <= 0 || image.rgba.size() != rowBytes * static_cast<std::size_t>(image.height))
        throw DrawgenError("png: the pixels do not fill the picture");

    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(image.width));
    AppendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += static_cast<char>(BitDepth);
    header += static_cast<char>(ColourTypeRgba);
    header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace

    std::string raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw += static_cast<char>(FilterNone);
        raw.append(reinterpret_cast<const char*>(image.rgba.data()) + y * rowBytes, rowBytes);
    }

    std::string png(Signature);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", Compressed(raw));
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace kr::drawgen
