#include "doc_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace kr {
namespace {

// How the instructions print reads a line: by its first three characters.
// Each kind is a letter, so that a sequence of kinds reads as a short text.
enum class LineKind : char { Heading = 'B', Emphasis = 'I', Picture = 'D', Text = 'T', Blank = '-' };

struct Line {
    LineKind Kind;
    std::string Rest;  // the line without its mark-up
};

constexpr std::size_t MaxLineLength = 8000;

LineKind KindOf(std::string_view line)
{
    if (line.empty()) {
        return LineKind::Blank;
    }
    if (line.starts_with("<B>")) {
        return LineKind::Heading;
    }
    if (line.starts_with("<I>")) {
        return LineKind::Emphasis;
    }
    if (line.starts_with("<D>")) {
        return LineKind::Picture;
    }
    return LineKind::Text;
}

std::vector<Line> SplitCrLfLines(std::string_view bytes)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string_view line = bytes.substr(start, end == std::string_view::npos ? bytes.size() - start : end - start);
        const LineKind kind = KindOf(line);
        const bool marked = kind == LineKind::Heading || kind == LineKind::Emphasis || kind == LineKind::Picture;
        lines.push_back({kind, std::string(marked ? line.substr(3) : line)});
        start = end == std::string_view::npos ? bytes.size() : end + 2;
    }
    return lines;
}

// A mark-up written in the wrong letter case would be printed as running text, tag and all.
bool LooksLikeMisspeltTag(std::string_view line)
{
    if (line.size() < 3 || line[0] != '<' || line[2] != '>') {
        return false;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(line[1])));
    return KindOf(line) == LineKind::Text && (letter == 'B' || letter == 'I' || letter == 'D');
}

// Bytes that Windows-1252 leaves undefined, and control characters other than the line end.
bool IsForeignByte(unsigned char byte)
{
    constexpr std::array undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};
    return (byte < 0x20 && byte != '\r' && byte != '\n') || byte == 0x7F ||
           std::find(undefined.begin(), undefined.end(), byte) != undefined.end();
}

// A UTF-8 letter read as Windows-1252 would print as two or three odd characters ("Ã¦").
bool HoldsUtf8Sequence(std::string_view bytes)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t follow = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2 : 0;
        if (follow == 0 || i + follow >= bytes.size()) {
            continue;
        }
        bool continued = true;
        for (std::size_t k = 1; k <= follow; ++k) {
            continued = continued && (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        }
        if (continued) {
            return true;
        }
    }
    return false;
}

std::string Kinds(const std::vector<Line>& lines)
{
    std::string kinds;
    for (const Line& line : lines) {
        kinds += static_cast<char>(line.Kind);
    }
    return kinds;
}

std::vector<std::string> Pictures(const std::vector<Line>& lines)
{
    std::vector<std::string> names;
    for (const Line& line : lines) {
        if (line.Kind == LineKind::Picture) {
            names.push_back(line.Rest);
        }
    }
    return names;
}

TEST(InstructionLineChecks, ReadLinesAsThePrintDoes)
{
    const std::vector<Line> lines = SplitCrLfLines("<B>Head\r\n<I>Note\r\n<D>Pic.bmp\r\n\r\nText <B>\r\n<b>low\r\n");
    EXPECT_EQ(Kinds(lines), "BID-TT");
    EXPECT_EQ(lines[2].Rest, "Pic.bmp");
    EXPECT_TRUE(LooksLikeMisspeltTag("<b>low"));
    EXPECT_FALSE(LooksLikeMisspeltTag("<B>Head"));
    EXPECT_FALSE(LooksLikeMisspeltTag("<x> other"));
    EXPECT_TRUE(HoldsUtf8Sequence("K\xC3\xB8ler"));
    EXPECT_FALSE(HoldsUtf8Sequence("K\xF8ler \xE6" "ble Stra\xDF" "e \x96 \xB0" "C"));
    EXPECT_TRUE(IsForeignByte(0x81));
    EXPECT_TRUE(IsForeignByte('\t'));
    EXPECT_FALSE(IsForeignByte(0x96));
}

class InstructionFile : public ::testing::TestWithParam<std::string_view> {
protected:
    std::string Bytes() const { return test::ReadBytes(test::InstructionsDir / GetParam()); }
};

TEST_P(InstructionFile, IsWindows1252WithCrLfLineEnds)
{
    const std::string bytes = Bytes();
    ASSERT_FALSE(bytes.empty()) << GetParam() << " is missing or empty";
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
        } else if (byte == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
        }
        ASSERT_FALSE(IsForeignByte(byte)) << "byte " << int(byte) << " at " << i;
    }
    EXPECT_FALSE(HoldsUtf8Sequence(bytes)) << "written as UTF-8";
}

TEST_P(InstructionFile, UsesEveryMarkUpAndNoMisspeltOne)
{
    const std::vector<Line> lines = SplitCrLfLines(Bytes());
    for (const Line& line : lines) {
        const bool marked = line.Kind == LineKind::Heading || line.Kind == LineKind::Emphasis || line.Kind == LineKind::Picture;
        EXPECT_FALSE(marked && line.Rest.empty()) << "mark-up without text";
        EXPECT_FALSE(LooksLikeMisspeltTag(line.Rest)) << line.Rest;
        EXPECT_LE(line.Rest.size() + 3, MaxLineLength);
    }
    const std::string kinds = Kinds(lines);
    for (const char kind : std::string_view{"BIDT-"}) {
        EXPECT_NE(kinds.find(kind), std::string::npos) << "no line of kind " << kind;
    }
}

TEST_P(InstructionFile, ShowsEachPictureOnceByItsExactName)
{
    std::vector<std::string> pictures = Pictures(SplitCrLfLines(Bytes()));
    std::sort(pictures.begin(), pictures.end());
    std::vector<std::string> expected(test::InstructionPictureNames.begin(), test::InstructionPictureNames.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(pictures, expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, InstructionFile, ::testing::ValuesIn(test::InstructionFileNames));

// A translation that lost a paragraph, a heading or a picture no longer lines up with English.
TEST(InstructionFiles, TranslationsFollowTheEnglishLineForLine)
{
    const std::vector<Line> english = SplitCrLfLines(test::ReadBytes(test::InstructionsDir / test::InstructionFileNames[0]));
    for (const std::string_view name : test::InstructionFileNames) {
        const std::vector<Line> lines = SplitCrLfLines(test::ReadBytes(test::InstructionsDir / name));
        EXPECT_EQ(Kinds(lines), Kinds(english)) << name;
        EXPECT_EQ(Pictures(lines), Pictures(english)) << name;
    }
}

}  // namespace
}  // namespace kr
