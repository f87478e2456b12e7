#include "core/settings/settings.h"

#include "settings_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace kr {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::SettingsFile;
using test::WriteText;

const std::string AppDir = "/media/cd/";
constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

class SettingsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir.Path() / "KRCool.reg";

    Settings ReadFrom(const std::string& lines, int screenWidth = ScreenWidth, int screenHeight = ScreenHeight)
    {
        WriteText(file, SettingsFile(lines));
        return ReadSettings(RegistryStore(file), AppDir, screenWidth, screenHeight);
    }
};

const std::string Installed = "\"Installed\"=dword:00000001\n";

TEST_F(SettingsTest, NothingIsReadUnlessInstalledIsTrue)
{
    const std::string others = "\"BitmapDir\"=\"/pictures/\"\n\"Showmenu\"=dword:00000000\n"
                               "\"Language\"=\"Dansk\"\n\"Width\"=dword:00000320\n\"PricePct\"=dword:00000005\n";
    Settings expected;
    expected.BitmapDir = AppDir;
    expected.Left = 212;  // (1024 - 600) div 2
    expected.Top = 184;   // (768 - 400) div 2
    for (const std::string installed : {"", "\"Installed\"=dword:00000000\n", "\"Installed\"=\"1\"\n"})
        EXPECT_EQ(ReadFrom(installed + others), expected) << installed;
    EXPECT_TRUE(ReadFrom("\"Installed\"=dword:00000005\n").Installed);
}

TEST_F(SettingsTest, EachValueFollowsTheReadingRule)
{
    struct Row {
        std::string lines;
        std::function<void(const Settings&)> check;
    };
    const Row rows[] = {
        {"", [](const Settings& s) {
             EXPECT_EQ(s.BitmapDir, "");  // a missing text is empty, not its fallback
             EXPECT_EQ(s.LanguageName, "");
             EXPECT_TRUE(s.Showmenu);
             EXPECT_EQ(s.Width, 600);
             EXPECT_EQ(s.Height, 400);
             EXPECT_EQ(s.NameAddress, "");
             EXPECT_FALSE(s.NameOnPrint);
             EXPECT_EQ(s.PricePct, 0);
         }},
        {"\"BitmapDir\"=dword:00000001\n\"Language\"=dword:00000001\n\"ProgramDir\"=hex(2):2f,00\n",
         [](const Settings& s) {
             EXPECT_EQ(s.BitmapDir, AppDir);
             EXPECT_EQ(s.LanguageName, "English");
             EXPECT_EQ(s.ProgramDir, "");
         }},
        {"\"Width\"=\"700\"\n\"Height\"=hex(b):01,00,00,00,00,00,00,00\n\"Showmenu\"=\"0\"\n"
         "\"PricePct\"=\"15\"\n",
         [](const Settings& s) {
             EXPECT_EQ(s.Width, 600);
             EXPECT_EQ(s.Height, 400);
             EXPECT_TRUE(s.Showmenu);
             EXPECT_EQ(s.PricePct, 0);
         }},
        {"\"Showmenu\"=dword:00000000\n\"NameOnPrint\"=dword:00000002\n\"Left\"=dword:ffffff9c\n"
         "\"Volume\"=dword:00000003\n\"NameAddress\"=hex(1):41,0d,0a,42,00\n",
         [](const Settings& s) {
             EXPECT_FALSE(s.Showmenu);
             EXPECT_TRUE(s.NameOnPrint);
             EXPECT_EQ(s.Left, -100);
             EXPECT_EQ(s.Volume, 3);
             EXPECT_EQ(s.NameAddress, "A\r\nB");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines);
        row.check(ReadFrom(Installed + row.lines));
    }
}

TEST_F(SettingsTest, LeftAndTopCentreTheWindowReadFromWidthAndHeight)
{
    struct Row {
        std::string size;
        int screenWidth, screenHeight, left, top;
    };
    const Row rows[] = {
        {"\"Width\"=dword:00000320\n\"Height\"=dword:00000258\n", 1024, 768, 112, 84},
        {"\"Width\"=dword:00000258\n\"Height\"=dword:00000190\n", 1023, 767, 211, 183},
        {"\"Width\"=\"800\"\n", 501, 300, -49, -50},  // the fallback 600; toward zero
        // Damaged bounds are held to what a screen can show.
        {"\"Width\"=dword:80000000\n", 1920, 400, 960, 0},
        {"\"Width\"=dword:7fffffff\n\"Height\"=dword:7fffffff\n", 1920, 1080, -15423, -15843},
        {"\"Left\"=dword:7fffffff\n\"Top\"=dword:80000000\n", 1920, 1080, 32767, -32768},
    };
    for (const Row& row : rows) {
        const Settings s = ReadFrom(Installed + row.size, row.screenWidth, row.screenHeight);
        EXPECT_EQ(s.Left, row.left) << row.size;
        EXPECT_EQ(s.Top, row.top) << row.size;
    }
}

TEST_F(SettingsTest, WritersStoreTheirValuesInOrder)
{
    RegistryStore store(file);
    Settings options;
    options.LanguageName = "Deutsch";
    options.Showmenu = false;
    options.NameAddress = "Firma\r\nStraße 1";
    options.UserName = "Jens";
    options.NameOnPrint = true;
    options.PricePct = 12;
    options.LeadTime = "2 weeks";
    options.Delivery = "Ex works";
    options.Payment = "30 days";
    options.AirFlow = 1;
    options.PresssureLoss = 2;
    options.Weight = 1;
    options.Volume = 3;
    ASSERT_TRUE(WriteInstallation(store, AppDir, "/opt/KR coolers/", "English").Ok());
    ASSERT_TRUE(WriteOptions(store, options).Ok());
    const int columns[] = {80, 120};
    ASSERT_TRUE(WriteWindowBounds(store, -8, 20, 760, 520, columns).Ok());
    EXPECT_EQ(ReadText(file), SettingsFile("\"BitmapDir\"=\"/media/cd/\"\n"
                                           "\"ProgramDir\"=\"/opt/KR coolers/\"\n"
                                           "\"Installed\"=dword:00000001\n"
                                           "\"Language\"=\"Deutsch\"\n"
                                           "\"Showmenu\"=dword:00000000\n"
                                           "\"NameAddress\"=hex(1):46,69,72,6d,61,0d,0a,53,74,72,61,c3,9f,65,20,31,00\n"
                                           "\"UserName\"=\"Jens\"\n"
                                           "\"NameOnPrint\"=dword:00000001\n"
                                           "\"PricePct\"=dword:0000000c\n"
                                           "\"LeadTime\"=\"2 weeks\"\n"
                                           "\"Delivery\"=\"Ex works\"\n"
                                           "\"Payment\"=\"30 days\"\n"
                                           "\"AirFlow\"=dword:00000001\n"
                                           "\"PresssureLoss\"=dword:00000002\n"
                                           "\"Weight\"=dword:00000001\n"
                                           "\"Volume\"=dword:00000003\n"
                                           "\"Left\"=dword:fffffff8\n"
                                           "\"Top\"=dword:00000014\n"
                                           "\"Width\"=dword:000002f8\n"
                                           "\"Height\"=dword:00000208\n"
                                           "\"ColWidth0\"=dword:00000050\n"
                                           "\"ColWidth1\"=dword:00000078\n"));

    Settings expected = options;
    expected.Installed = true;
    expected.BitmapDir = AppDir;
    expected.ProgramDir = "/opt/KR coolers/";
    expected.Left = -8;
    expected.Top = 20;
    expected.Width = 760;
    expected.Height = 520;
    EXPECT_EQ(ReadSettings(RegistryStore(file), AppDir, ScreenWidth, ScreenHeight), expected);
}

TEST_F(SettingsTest, ShowmenuIsWrittenAndReadAlone)
{
    RegistryStore store(file);
    EXPECT_TRUE(ReadShowmenu(store));
    ASSERT_TRUE(WriteShowmenu(store, false).Ok());
    EXPECT_FALSE(ReadShowmenu(RegistryStore(file)));
    ASSERT_TRUE(store.Write({{"Showmenu", std::string("no")}}).Ok());
    EXPECT_TRUE(ReadShowmenu(store));
}

}  // namespace
}  // namespace kr
