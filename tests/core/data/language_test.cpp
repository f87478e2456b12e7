#include "core/data/language.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

TEST(LanguageTable, LooksUpByKeyIgnoringCaseFirstLineWins)
{
    const LanguageTable table(SplitLanguageLines(
        "LANGUAGE=English\r\nError Caption=Error\r\nerror caption=Second\r\nKey =with blank\r\n"
        "Lead= starts with a blank\r\nno equals sign\r\nA=b=c\r\n"));
    EXPECT_EQ(table.Lookup("error CAPTION"), "Error");
    EXPECT_EQ(table.Lookup("Key"), "");
    EXPECT_EQ(table.Lookup("Key "), "with blank");
    EXPECT_EQ(table.Lookup("Lead"), " starts with a blank");
    EXPECT_EQ(table.Lookup("no equals sign"), "");
    EXPECT_EQ(table.Lookup("A"), "b=c");
    EXPECT_EQ(table.Lookup("Missing"), "");
    EXPECT_TRUE(table.Contains("language"));
}

TEST(LanguageTable, SplitsOnEveryKindOfLineEnd)
{
    EXPECT_EQ(SplitLanguageLines("a=1\r\nb=2\rc=3\nd=4\n\ne=5"),
              (std::vector<std::string>{"a=1", "b=2", "c=3", "d=4", "", "e=5"}));
    EXPECT_EQ(SplitLanguageLines("\xC6" "ble=\xF8l"), (std::vector<std::string>{"Æble=øl"}));
}

TEST(LanguageList, LoadsSprogFilesOfAFolderOnly)
{
    test::TempDir dir;
    dir.Write("b.SPROG", "LANGUAGE=Dansk\r\nOK=OK\r\n");
    dir.Write("a.sprog", "LANGUAGE=English\r\n");
    dir.Write("c.Sprog", "OK=no name here\r\n");
    dir.Write(".hidden.SPROG", "LANGUAGE=Hidden\r\n");
    dir.Write("notes.txt", "LANGUAGE=Text\r\n");
    std::filesystem::create_directory(dir / "folder.SPROG");

    const LanguageList list = LoadLanguageList(dir.Path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Name, "English");
    EXPECT_EQ(list[1].Name, "Dansk");
    EXPECT_EQ(list[2].Name, "- Unknown -");
    EXPECT_EQ(list[1].Table.Lookup("ok"), "OK");

    ASSERT_NE(FindLanguage(list, "DANSK"), nullptr);
    EXPECT_EQ(FindLanguage(list, "dansk")->File.filename(), "b.SPROG");
    EXPECT_EQ(FindLanguage(list, ""), nullptr);
    EXPECT_EQ(FindLanguage(list, "Deutsch"), nullptr);
}

TEST(LanguageList, TwoFilesOfOneNameTheFirstWins)
{
    test::TempDir dir;
    dir.Write("1.SPROG", "LANGUAGE=English\r\nOK=first\r\n");
    dir.Write("2.SPROG", "language=english\r\nOK=second\r\n");
    const LanguageList list = LoadLanguageList(dir.Path());
    EXPECT_EQ(FindLanguage(list, "English")->Table.Lookup("OK"), "first");
}

TEST(LanguageList, MissingFolderGivesNoLanguages)
{
    test::TempDir dir;
    EXPECT_TRUE(LoadLanguageList(dir / "nowhere").empty());
}

}  // namespace
}  // namespace kr
