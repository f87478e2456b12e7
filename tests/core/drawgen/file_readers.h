#pragma once

// Readers of the generator's output formats, written independently of the
// writers so that a test compares the files against the formats, not against
// the writer's own idea of them.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kr::test {

struct DxfGroup {
    int code = 0;
    std::string value;
};

// Group code and value lines in pairs; throws on a code that is not a number
// or a missing value line.
inline std::vector<DxfGroup> ReadDxfGroups(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    if (lines.size() % 2 != 0)
        throw std::runtime_error("odd number of lines");
    std::vector<DxfGroup> groups;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        if (lines[i].empty() || lines[i].find_first_not_of(" 0123456789-") != std::string::npos)
            throw std::runtime_error("bad group code \"" + lines[i] + "\"");
        const int code = std::stoi(lines[i]);
        groups.push_back({code, lines[i + 1]});
    }
    return groups;
}

// One entity of the ENTITIES section: its type and its groups.
struct DxfEntity {
    std::string type;
    std::vector<DxfGroup> groups;

    std::string Text(int code) const
    {
        for (const DxfGroup& group : groups)
            if (group.code == code)
                return group.value;
        return {};
    }
    double Number(int code) const { return std::stod(Text(code)); }
};

inline std::vector<DxfEntity> DxfEntities(const std::vector<DxfGroup>& groups)
{
    std::vector<DxfEntity> entities;
    bool inEntities = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const DxfGroup& group = groups[i];
        if (group.code == 2 && group.value == "ENTITIES" && i > 0 && groups[i - 1].value == "SECTION") {
            inEntities = true;
            continue;
        }
        if (!inEntities)
            continue;
        if (group.code == 0) {
            if (group.value == "ENDSEC")
                break;
            entities.push_back({group.value, {}});
        } else if (!entities.empty()) {
            entities.back().groups.push_back(group);
        }
    }
    return entities;
}

inline std::uint32_t LittleEndian(std::string_view bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return value;
}

struct DecodedBmp {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, 3 bytes a pixel

    std::uint8_t Red(int x, int y) const { return rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    std::uint8_t Green(int x, int y) const { return rgb[(static_cast<std::size_t>(y) * width + x) * 3 + 1]; }
    std::uint8_t Blue(int x, int y) const { return rgb[(static_cast<std::size_t>(y) * width + x) * 3 + 2]; }
    bool White(int x, int y) const { return Red(x, y) == 255 && Green(x, y) == 255 && Blue(x, y) == 255; }
};

// A 24-bit bottom-up BI_RGB bitmap; throws on anything else.
inline DecodedBmp DecodeBmp(std::string_view bytes)
{
    if (bytes.substr(0, 2) != "BM" || LittleEndian(bytes, 14, 4) != 40 || LittleEndian(bytes, 28, 2) != 24 ||
        LittleEndian(bytes, 30, 4) != 0)
        throw std::runtime_error("not a 24-bit BI_RGB bitmap");
    DecodedBmp image;
    image.width = static_cast<int>(LittleEndian(bytes, 18, 4));
    image.height = static_cast<int>(LittleEndian(bytes, 22, 4));
    const std::size_t offset = LittleEndian(bytes, 10, 4);
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    for (int row = 0; row < image.height; ++row) {
        const std::size_t fileRow = offset + stride * (image.height - 1 - row);
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at = fileRow + static_cast<std::size_t>(x) * 3;
            std::uint8_t* pixel = &image.rgb[(static_cast<std::size_t>(row) * image.width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(bytes.at(at + 2));
            pixel[1] = static_cast<std::uint8_t>(bytes.at(at + 1));
            pixel[2] = static_cast<std::uint8_t>(bytes.at(at));
        }
    }
    return image;
}

}  // namespace kr::test
