#include "text_checks.h"

#include "core/common/text_case.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace kr {
namespace {

namespace fs = std::filesystem;

// Texts that may read the same in every language: symbols, proper names,
// the maker's address and words the three languages share.
constexpr std::array SameInEveryLanguage{
    keys::Version,  keys::Ok,     keys::AcDc,      keys::Motor,       keys::DbA1m,
    keys::Printer,  keys::KalvornGroup, keys::Address, keys::Post,     keys::Fax,
    keys::PrintPos, keys::PrintMotor,   keys::PrintAdapter, keys::Standard, keys::Server,
};

const fs::path& LanguageDir()
{
    static const fs::path dir = fs::path(KR_SOURCE_DIR) / "data" / "lang";
    return dir;
}

std::vector<fs::path> ShippedLanguageFiles()
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(LanguageDir(), error)) {
        if (SameText(entry.path().extension().string(), ".SPROG"))
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    return files;
}

std::string ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

LanguageTable LoadTable(const fs::path& file)
{
    return LanguageTable(SplitLanguageLines(ReadBytes(file)));
}

bool MayEqualEnglish(std::string_view key)
{
    return std::ranges::any_of(SameInEveryLanguage, [key](const TextKey& same) { return same.Key == key; });
}

TEST(ShippedLanguages, EnglishDanishAndGermanAreShipped)
{
    const LanguageList languages = LoadLanguageList(LanguageDir());
    std::vector<std::string> names;
    for (const Language& language : languages)
        names.push_back(language.Name);
    for (const char* name : {"English", "Dansk", "Deutsch"})
        EXPECT_NE(std::ranges::find(names, name), names.end()) << name << " in " << LanguageDir();
    // The program's default language name must find a file.
    EXPECT_NE(FindLanguage(languages, "English"), nullptr);
}

class ShippedLanguageFile : public ::testing::TestWithParam<fs::path> {
protected:
    void SetUp() override
    {
        bytes_ = ReadBytes(GetParam());
        lines_ = SplitLanguageLines(bytes_);
        table_ = LanguageTable(lines_);
    }

    std::string Stem() const { return GetParam().stem().string(); }

    std::string bytes_;
    std::vector<std::string> lines_;
    LanguageTable table_;
};

TEST_P(ShippedLanguageFile, IsWindows1252WithCrLfLineEnds)
{
    EXPECT_EQ(test::Cp1252FileFault(bytes_), "");
}

TEST_P(ShippedLanguageFile, EveryLineIsAKnownKeyOnceWithItsText)
{
    std::set<std::string> knownKeys;
    for (const TextKey& key : AllTextKeys())
        knownKeys.insert(LowerCaseText(key.Key));

    std::set<std::string> definedKeys;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line);
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos) << "no \"=\"";
        const std::string key = line.substr(0, equals);
        const std::string text = line.substr(equals + 1);
        // Nothing is trimmed: a blank at the "=" would become part of the key or the text.
        EXPECT_EQ(TrimText(key), key);
        EXPECT_EQ(TrimText(text), text);
        EXPECT_FALSE(text.empty());
        EXPECT_TRUE(knownKeys.contains(LowerCaseText(key))) << "a key the program never looks up";
        EXPECT_TRUE(definedKeys.insert(LowerCaseText(key)).second) << "defined twice";
    }
}

TEST_P(ShippedLanguageFile, HoldsEveryKeyTheProgramLooksUp)
{
    for (const TextKey& key : AllTextKeys())
        EXPECT_TRUE(table_.Contains(key.Key)) << "\"" << key.Key << "\" is missing";
}

TEST_P(ShippedLanguageFile, PatternsTakeTheArgumentsTheirCallersPass)
{
    for (const TextKey& key : AllTextKeys()) {
        if (!key.Args.empty()) {
            EXPECT_EQ(test::PatternFault(table_.Lookup(key.Key), key.Args), "") << key.Key;
        }
    }
}

TEST_P(ShippedLanguageFile, PlainTextsHoldNoFormatSpecsAndNoAccelerators)
{
    for (const TextKey& key : AllTextKeys()) {
        const std::string text = table_.Lookup(key.Key);
        if (key.Args.empty()) {
            EXPECT_EQ(test::FormatSpecFault(text), "") << key.Key;
        }
        // The program puts "&" in front of the main menus itself.
        EXPECT_EQ(text.find('&'), std::string::npos) << key.Key << ": " << text;
    }
}

TEST_P(ShippedLanguageFile, NamesItsLanguageAndTheFilesThatGoWithIt)
{
    const std::string stem = Stem();
    EXPECT_EQ(table_.Lookup(keys::Language.Key), stem);
    EXPECT_EQ(table_.Lookup(keys::Flag.Key), "Flag" + stem + ".bmp");
    EXPECT_EQ(table_.Lookup(keys::HelpFile.Key), "Help_" + stem + ".html");
    EXPECT_EQ(table_.Lookup(keys::InstallText.Key), "Install_" + stem + ".txt");
}

TEST_P(ShippedLanguageFile, IsATranslationOfTheEnglishTexts)
{
    if (Stem() == "English")
        return;  // the original the others are compared with
    const LanguageTable english = LoadTable(LanguageDir() / "English.SPROG");
    for (const TextKey& key : AllTextKeys()) {
        const std::string text = table_.Lookup(key.Key);
        if (!MayEqualEnglish(key.Key) && !text.empty()) {
            EXPECT_NE(text, english.Lookup(key.Key)) << "\"" << key.Key << "\" is not translated";
        }
    }
}

std::size_t CharacterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(std::ranges::count_if(utf8, [](char c) { return (c & 0xC0) != 0x80; }));
}

// The printouts write these texts on one line into a place of fixed width,
// without wrapping; a longer text runs into the next column or off the page.
// The limits are characters of the print font at the size used there.
TEST_P(ShippedLanguageFile, TextsPrintedWithoutWrappingFitTheirPlace)
{
    struct Room {
        TextKey Key;
        std::size_t MaxCharacters;
    };
    const std::vector<Room> rooms = {
        // A line of the technical data sheet, 12 points, between the margins.
        {keys::MaximumCSt, 70},
        // Quotation letter, 12 points: the table headings of the narrow
        // columns, the term labels before their values, the validity line.
        {keys::PrintPos, 4},
        {keys::PrintQty, 4},
        {keys::PrintPriceUnit, 12},
        {keys::LeadTime, 14},
        {keys::Delivery, 14},
        {keys::Payment, 14},
        {keys::PrintValid, 70},
        // Technical data sheet, 12 points: labels before the value column.
        {keys::TotalHeatRejectionRequired, 40},
        {keys::TotalHeatRejectionActual, 40},
        {keys::UseThermoBypass, 40},
        {keys::SoundPressureLevel, 40},
        {keys::RequiredOilflow, 40},
        {keys::RequiredOilpressure, 40},
        {keys::RotationalSpeed, 40},
        {keys::MaxWorkingPressure, 40},
        // Drawing sheet, 8 points: the title block cell before ": " and a file or item number.
        {keys::Drawing, 20},
        {keys::PrintVarenummer, 20},
    };
    for (const Room& room : rooms) {
        const std::string text = table_.Lookup(room.Key.Key);
        EXPECT_LE(CharacterCount(text), room.MaxCharacters) << room.Key.Key << ": " << text;
    }
}

std::string FileTestName(const ::testing::TestParamInfo<fs::path>& info)
{
    std::string name = info.param.stem().string();
    std::ranges::replace_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(DataLang, ShippedLanguageFile, ::testing::ValuesIn(ShippedLanguageFiles()), FileTestName);

}  // namespace
}  // namespace kr
