#include "core/settings/reg_file_format.h"

#include "settings_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace kr {
namespace {

using test::SettingsFile;

TEST(RegFileFormat, EveryValueSurvivesARoundTrip)
{
    const RegistryValues values{
        {"Zero", std::uint32_t{0}},
        {"Max", std::uint32_t{0xFFFFFFFF}},
        {"Empty", std::string()},
        {"Path", std::string(R"(C:\KR coolers\ "quoted" \)")},
        {"Letters", std::string("Ærø € Straße")},
        {"NameAddress", std::string("Name\r\nStreet 1\r\n\r\nTown\r\n")},
        {"Tab", std::string("a\tb")},
        {"Nul", std::string("a\0b", 3)},
        {"StrayByte", std::string("K\xF8ler")},
        {"Multi", RegistryOtherValue{7, {0x41, 0x00, 0x00}}},
        {"NoBytes", RegistryOtherValue{3, {}}},
        {"Qword", RegistryOtherValue{0xb, {1, 2, 3, 4, 5, 6, 7, 8}}},
        {"ShortDword", RegistryOtherValue{4, {1, 2}}},
    };
    EXPECT_EQ(ParseRegFile(FormatRegFile(values)), values);
}

TEST(RegFileFormat, WritesTheExportSyntax)
{
    const RegistryValues values{
        {"Width", std::uint32_t{600}},
        {"Language", std::string(R"(Eng"l\ish)")},
        {"NameAddress", std::string("A\r\nB")},
        {"Expand", RegistryOtherValue{2, {0x25, 0x00}}},
    };
    EXPECT_EQ(FormatRegFile(values), SettingsFile("\"Width\"=dword:00000258\n"
                                                  "\"Language\"=\"Eng\\\"l\\\\ish\"\n"
                                                  "\"NameAddress\"=hex(1):41,0d,0a,42,00\n"
                                                  "\"Expand\"=hex(2):25,00\n"));
}

TEST(RegFileFormat, ReadsWhatOtherToolsWrite)
{
    const std::string text = "\xEF\xBB\xBFREGEDIT4\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                             "\"Width\"=dword:00000001\r\n"
                             "[hkey_current_user\\software\\vossbridge\\kalvorn\\krcool]\r\n"
                             "; a comment\r\n"
                             "@=\"default\"\r\n"
                             "\"Width\"=DWORD:0000FFFF\r\n"
                             "\"Bin\"=hex:01,02,\\\r\n"
                             "  03,04\r\n"
                             "\"AsDword\"=hex(4):2c,01,00,00\r\n"
                             "\"AsText\"=hex(1):48,69,00\r\n"
                             "\"Gone\"=-\r\n"
                             "\"width\"=dword:00000258\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                             "\"Later\"=dword:00000001\r\n";
    const RegistryValues expected{
        {"Width", std::uint32_t{600}},
        {"Bin", RegistryOtherValue{3, {1, 2, 3, 4}}},
        {"AsDword", std::uint32_t{300}},
        {"AsText", std::string("Hi")},
    };
    EXPECT_EQ(ParseRegFile(text), expected);
}

TEST(RegFileFormat, ADamagedLineReadsAsMissingAndSparesItsNeighbours)
{
    const char* damaged[] = {
        R"("A"="unterminated)",    R"("A"="ends in backslash\)", R"("A"="x"trailing)",
        R"("A"='single')",         R"(A="unquoted name")",       R"("A"="bad \escape")",
        R"(""="empty name")",      R"("A")",                     R"("A"=)",
        R"("A"=dword:123456789)",  R"("A"=dword:xyz)",           R"("A"=dword:)",
        R"("A"=hex(2:00)",         R"("A"=hex(2):0g)",           R"("A"=hex(2):100)",
        R"("A"=hex(2):01,,02)",    R"("A"=text)",
    };
    for (const char* line : damaged) {
        const auto values = ParseRegFile(SettingsFile("\"Before\"=dword:00000001\n" + std::string(line)
                                                      + "\n\"After\"=\"ok\"\n"));
        const RegistryValues expected{{"Before", std::uint32_t{1}}, {"After", std::string("ok")}};
        EXPECT_EQ(values, expected) << line;
    }
}

TEST(RegFileFormat, RandomBytesNeverBreakReading)
{
    std::mt19937 random(20240611);
    const std::string alphabet = "\"=\\[]:,\r\n\t dwordhex(1)0aF\xC3\xFF";
    for (int round = 0; round < 500; ++round) {
        std::string noise(random() % 2000, ' ');
        for (char& c : noise)
            c = random() % 2 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        const auto values = ParseRegFile(SettingsFile("\"Good\"=dword:00000007\n" + noise));
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(values.front(), (NamedRegistryValue{"Good", std::uint32_t{7}}));
    }
}

TEST(RegFileFormat, HugeLinesAreReadOrSkippedWhole)
{
    const std::string huge(4 << 20, 'x');
    const auto values = ParseRegFile(SettingsFile("\"Cut\"=\"" + huge + "\n\"Big\"=\"" + huge
                                                  + "\"\n\"After\"=dword:00000002\n"));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], (NamedRegistryValue{"Big", huge}));
    EXPECT_EQ(values[1], (NamedRegistryValue{"After", std::uint32_t{2}}));
}

}  // namespace
}  // namespace kr
