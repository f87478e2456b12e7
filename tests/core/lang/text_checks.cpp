#include "text_checks.h"

#include <algorithm>
#include <array>
#include <regex>

namespace kr::test {

namespace {

constexpr std::int64_t FirstSampleInteger = 9871;
constexpr int FirstSampleFloat = 643;  // shown with any number of decimals
constexpr int SampleFloatStep = 100;

// Code points 0x81, 0x8D, 0x8F, 0x90 and 0x9D are not assigned in Windows-1252.
constexpr std::array<unsigned char, 5> UnassignedBytes{0x81, 0x8D, 0x8F, 0x90, 0x9D};

std::string LineLabel(std::size_t line)
{
    return "line " + std::to_string(line) + ": ";
}

// The length of a well-formed UTF-8 multi-byte sequence starting at pos, or 0.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || pos + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + i]);
        if (next < 0x80 || next > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::vector<FormatArg> SampleArgs(std::string_view args)
{
    std::vector<FormatArg> samples;
    for (std::size_t i = 0; i < args.size(); ++i) {
        switch (args[i]) {
        case 'd':
            samples.emplace_back(FirstSampleInteger + static_cast<std::int64_t>(i));
            break;
        case 'f':
            samples.emplace_back(static_cast<Extended>(FirstSampleFloat + SampleFloatStep * static_cast<int>(i)) + 0.25L);
            break;
        default:
            samples.emplace_back(SampleMark('s', i));
            break;
        }
    }
    return samples;
}

std::string SampleMark(char kind, std::size_t position)
{
    const auto index = static_cast<int>(position);
    switch (kind) {
    case 'd':
        return std::to_string(FirstSampleInteger + index);
    case 'f':
        return std::to_string(FirstSampleFloat + SampleFloatStep * index);
    default:
        return "Zq" + std::to_string(index + 1);
    }
}

std::string PatternFault(std::string_view text, std::string_view args)
{
    const std::vector<FormatArg> samples = SampleArgs(args);
    const FormatResult result = TryFormat(text, samples);
    if (!result.Ok)
        return "does not take the arguments \"" + std::string(args) + "\": " + result.Text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (result.Text.find(SampleMark(args[i], i)) == std::string::npos)
            return "leaves out argument " + std::to_string(i + 1) + " ('" + args[i] + "'): " + result.Text;
    }
    return {};
}

std::string FormatSpecFault(std::string_view text)
{
    static const std::regex conversion(R"(%(%|(\d+|\*)?:?-?(\d+|\*)?(\.(\d+|\*)?)?[duxsfegnmpDUXSFEGNMP]))");
    const std::string owned(text);
    std::smatch found;
    if (!std::regex_search(owned, found, conversion))
        return {};
    return "holds the format conversion \"" + found.str() + "\" but is never formatted";
}

std::string Cp1252FileFault(std::string_view bytes)
{
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n")
        return "the last line is not ended by CR LF";
    std::size_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (bytes[i + 1] != '\n')
                return LineLabel(line) + "CR without LF";
            ++i;
            ++line;
            continue;
        }
        if (byte == '\n')
            return LineLabel(line) + "LF without CR";
        if (byte < 0x20 || byte == 0x7F)
            return LineLabel(line) + "control character " + std::to_string(byte);
        if (std::ranges::find(UnassignedBytes, byte) != UnassignedBytes.end())
            return LineLabel(line) + "byte " + std::to_string(byte) + " is no Windows-1252 character";
        if (Utf8SequenceAt(bytes, i) != 0)
            return LineLabel(line) + "bytes that read as UTF-8; the file must be Windows-1252";
    }
    return {};
}

}  // namespace kr::test
