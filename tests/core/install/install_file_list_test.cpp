#include "core/install/install_file_list.h"

#include "install_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kr {
namespace {

using Names = std::vector<std::string>;

TEST(InstallFilePatterns, PicturesOnlyWhenCopiedAndTheFurtherPatternsInTheirPlaces)
{
    const auto withoutPictures = InstallFilePatterns(false);
    const auto withPictures = InstallFilePatterns(true);
    ASSERT_EQ(withPictures.size(), withoutPictures.size() + 2);
    EXPECT_EQ(std::ranges::count(withoutPictures, "*.bmp"), 0);
    EXPECT_EQ(std::ranges::count(withoutPictures, "*.dxf"), 0);

    const std::vector<std::string_view> leading(withPictures.begin(), withPictures.begin() + 10);
    EXPECT_EQ(leading, (std::vector<std::string_view>{"*.exe", "KR_Oil_Coolers", "Setup", "krcool", "*.txt", "*.html",
                                                       "*.dat", "*.sprog", "*.bmp", "*.dxf"}));
    const std::vector<std::string_view> further(withPictures.begin() + 10, withPictures.end());
    ASSERT_EQ(further.size(), 11u);
    EXPECT_EQ(further[2], "KR*.*");
    EXPECT_EQ(further[7], "Kalvorn.*");
}

// Krdata.dat ("*.dat", "KR*.*"), Install_English.txt ("*.txt",
// "Install*.*") and the flags (their languages and "*.bmp") are each listed
// once, where they are first found. Without the pictures neither the drawing
// KR100ACb.bmp ("KR*.*") nor the logo kalvorn.bmp ("Kalvorn.*") comes in by
// another pattern. Folders, hidden files and links are never listed.
TEST(InstallFileList, FlagsFirstThenEachPatternInOrderEachFileOnce)
{
    const test::Distribution dist;
    const LanguageList languages = LoadLanguageList(dist.Path());
    ASSERT_EQ(languages.size(), 2u);  // Dansk, English

    EXPECT_EQ(BuildInstallFileList(dist.Path(), languages, false),
              (Names{"FlagDansk.bmp", "FlagEnglish.bmp", "KR_Oil_Coolers", "Setup", "krcool", "Install_English.txt",
                     "Help_English.html", "Krdata.dat", "Price.dat", "Dansk.SPROG", "English.SPROG",
                     "KR_Oil_Coolers.svg", "KR_Oil_Coolers_48.png", "README.md"}));
    EXPECT_EQ(BuildInstallFileList(dist.Path(), languages, true),
              (Names{"FlagDansk.bmp", "FlagEnglish.bmp", "KR_Oil_Coolers", "Setup", "krcool", "Install_English.txt",
                     "Help_English.html", "Krdata.dat", "Price.dat", "Dansk.SPROG", "English.SPROG", "kalvorn.bmp",
                     "KR100ACb.bmp", "KR100AC.DXF", "KR_Oil_Coolers.svg", "KR_Oil_Coolers_48.png", "README.md"}));
}

TEST(InstallFileList, FlagNamesOutsideTheFolderOrMissingAreIgnored)
{
    const test::TempDir outer;
    const auto appDir = outer / "dist";
    std::filesystem::create_directories(appDir / "flags");
    outer.Write("outside.bmp", "x");
    outer.Write("dist/flags/Sub.BMP", "x");
    const auto language = [&](const std::string& flag) {
        return Language{"L", LanguageTable({"FLAG=" + flag}), {}};
    };
    const LanguageList languages{language("../outside.bmp"), language((outer / "outside.bmp").string()),
                                 language("missing.bmp"), language(""), language("flags"),
                                 language("flags/Sub.BMP")};
    EXPECT_EQ(BuildInstallFileList(appDir, languages, false), (Names{"flags/Sub.BMP"}));
}

TEST(InstallFileList, ServerCopiesEveryOrdinaryFileSortedByName)
{
    const test::Distribution dist;
    EXPECT_EQ(BuildServerFileList(dist.Path()),
              (Names{"Dansk.SPROG", "English.SPROG", "FlagDansk.bmp", "FlagEnglish.bmp", "Help_English.html",
                     "Install_English.txt", "kalvorn.bmp", "KR100AC.DXF", "KR100ACb.bmp", "KR_Oil_Coolers",
                     "KR_Oil_Coolers.svg", "KR_Oil_Coolers_48.png", "krcool",
                     "Krdata.dat", "notes.xyz", "Price.dat", "README.md", "Setup"}));
}

TEST(InstallFileList, MissingFolderGivesNoFiles)
{
    const test::TempDir dir;
    EXPECT_TRUE(BuildServerFileList(dir / "missing").empty());
    EXPECT_TRUE(BuildInstallFileList(dir / "missing", {}, true).empty());
}

}  // namespace
}  // namespace kr
