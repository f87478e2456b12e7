#include "core/install/installation.h"

#include "core/settings/registry_path.h"
#include "core/settings/settings.h"
#include "install_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kr {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FilesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

class InstallationTest : public ::testing::Test {
protected:
    test::TemporaryHome home;
    test::Distribution dist;
    LanguageList languages = LoadLanguageList(dist.Path());
    RegistryStore store{DefaultRegistryPath()};
    std::size_t progressCalls = 0;

    InstallChoice Choice(InstallKind kind, const fs::path& installDir)
    {
        InstallChoice choice;
        choice.Kind = kind;
        choice.AppDir = dist.Path();
        choice.InstallDir = installDir;
        choice.LanguageName = "Dansk";
        return choice;
    }

    InstallOutcome Install(const InstallChoice& choice)
    {
        return RunInstallation(choice, languages, UserShortcutFolders(), store,
                               [this](std::size_t, std::size_t) { ++progressCalls; });
    }

    Settings Stored() const
    {
        RegistryStore reread(home.RegistryFile());
        return ReadSettings(reread, "/unused/", 1024, 768);
    }

    fs::path DesktopEntry() const { return home.Desktop() / "KR-Oil Coolers.desktop"; }
    fs::path MenuEntry() const { return home.DataHome() / "applications/KR coolers/KR-Oil Coolers.desktop"; }
    fs::path IconTheme() const { return home.DataHome() / "icons/hicolor"; }
};

// The value of key in an entry's text, empty when it has none.
std::string EntryValue(const std::string& entry, const std::string& key)
{
    const std::size_t start = entry.find("\n" + key + "=");
    if (start == std::string::npos)
        return {};
    const std::size_t value = start + key.size() + 2;
    return entry.substr(value, entry.find('\n', value) - value);
}

// The icon files an icon name finds in the user's hicolor folder, looked up
// as desktops do: only in the folders the installed theme description
// lists, as <folder>/<name>.png or .svg.
std::vector<std::string> ResolvedIcons(const fs::path& userTheme, const std::string& name)
{
    const std::string index = ReadFile("/usr/share/icons/hicolor/index.theme");
    std::string folders = EntryValue("\n" + index, "Directories") + "," + EntryValue("\n" + index, "ScaledDirectories");
    std::vector<std::string> found;
    std::istringstream list(folders);
    for (std::string folder; std::getline(list, folder, ',');)
        for (const char* suffix : {".png", ".svg"})
            if (!folder.empty() && fs::is_regular_file(userTheme / folder / (name + suffix)))
                found.push_back(folder + "/" + name + suffix);
    std::ranges::sort(found);
    return found;
}

TEST_F(InstallationTest, StandardCopiesNoPicturesMakesBothShortcutsAndRecordsTheSourceAsBitmapDir)
{
    fs::remove(home.Desktop());  // a fresh home: no desktop folder yet
    const fs::path installDir = home.DataHome() / "KR coolers";
    InstallChoice choice = Choice(InstallKind::Standard, installDir);
    choice.CopyPictures = true;  // the Customised page's choices do not count
    choice.DesktopShortcut = false;
    ASSERT_EQ(Install(choice).Status, InstallStatus::Installed);

    EXPECT_EQ(FilesIn(installDir),
              (std::vector<std::string>{"Dansk.SPROG", "English.SPROG", "FlagDansk.bmp", "FlagEnglish.bmp",
                                        "Help_English.html", "Install_English.txt", "KR_Oil_Coolers",
                                        "KR_Oil_Coolers.svg", "KR_Oil_Coolers_48.png", "Krdata.dat", "Price.dat",
                                        "README.md", "Setup", "krcool"}));
    EXPECT_EQ(progressCalls, 15u);
    for (const auto& entry : fs::directory_iterator(installDir)) {
        const auto mode = entry.status().permissions();
        EXPECT_NE(mode & fs::perms::owner_write, fs::perms::none) << entry.path();
    }
    EXPECT_TRUE(fs::exists(DesktopEntry()));
    EXPECT_TRUE(fs::exists(MenuEntry()));
    EXPECT_NE(ReadFile(MenuEntry()).find("Exec=\"" + (installDir / "KR_Oil_Coolers").string() + "\"\n"),
              std::string::npos);
    for (const fs::path& entry : {DesktopEntry(), MenuEntry()})
        EXPECT_EQ(ResolvedIcons(IconTheme(), EntryValue(ReadFile(entry), "Icon")),
                  (std::vector<std::string>{"48x48/apps/kr-oil-coolers.png", "scalable/apps/kr-oil-coolers.svg"}))
            << entry;
    EXPECT_EQ(ReadFile(IconTheme() / "48x48/apps/kr-oil-coolers.png"), "contents of KR_Oil_Coolers_48.png");

    const Settings stored = Stored();
    EXPECT_TRUE(stored.Installed);
    EXPECT_EQ(stored.BitmapDir, dist.Path().string() + "/");
    EXPECT_EQ(stored.ProgramDir, installDir.string() + "/");
    EXPECT_EQ(stored.LanguageName, "Dansk");
}

TEST_F(InstallationTest, CustomisedHonoursItsThreeChoices)
{
    const struct {
        bool desktop, menu, pictures;
    } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}, {false, false, true}};
    for (const auto& c : cases) {
        const fs::path installDir = home.Home() / "my programs" / "KR coolers";
        InstallChoice choice = Choice(InstallKind::Customised, installDir);
        choice.DesktopShortcut = c.desktop;
        choice.MenuShortcut = c.menu;
        choice.CopyPictures = c.pictures;
        ASSERT_EQ(Install(choice).Status, InstallStatus::Installed);

        const std::string context = std::to_string(c.desktop) + std::to_string(c.menu) + std::to_string(c.pictures);
        EXPECT_EQ(fs::exists(installDir / "KR100ACb.bmp"), c.pictures) << context;
        EXPECT_EQ(fs::exists(installDir / "KR100AC.DXF"), c.pictures) << context;
        EXPECT_EQ(fs::exists(installDir / "kalvorn.bmp"), c.pictures) << context;
        EXPECT_TRUE(fs::exists(installDir / "FlagDansk.bmp")) << context;
        EXPECT_EQ(fs::exists(DesktopEntry()), c.desktop) << context;
        EXPECT_EQ(fs::exists(MenuEntry()), c.menu) << context;
        EXPECT_EQ(fs::exists(IconTheme() / "scalable/apps/kr-oil-coolers.svg"), c.desktop || c.menu) << context;
        EXPECT_EQ(Stored().BitmapDir, (c.pictures ? installDir : dist.Path()).string() + "/") << context;
        EXPECT_EQ(Stored().ProgramDir, installDir.string() + "/") << context;

        fs::remove_all(home.Home() / "my programs");
        fs::remove(DesktopEntry());
        fs::remove_all(home.DataHome());
    }
}

TEST_F(InstallationTest, ServerCopiesEveryOrdinaryFileAndWritesNothingElse)
{
    const fs::path installDir = home.Home() / "server" / "KR coolers copy";
    ASSERT_EQ(Install(Choice(InstallKind::Server, installDir)).Status, InstallStatus::Installed);

    EXPECT_EQ(FilesIn(installDir),
              (std::vector<std::string>{"Dansk.SPROG", "English.SPROG", "FlagDansk.bmp", "FlagEnglish.bmp",
                                        "Help_English.html", "Install_English.txt", "KR100AC.DXF", "KR100ACb.bmp",
                                        "KR_Oil_Coolers", "KR_Oil_Coolers.svg", "KR_Oil_Coolers_48.png", "Krdata.dat",
                                        "Price.dat", "README.md", "Setup", "kalvorn.bmp", "krcool", "notes.xyz"}));
    EXPECT_FALSE(fs::exists(home.RegistryFile()));
    EXPECT_FALSE(fs::exists(DesktopEntry()));
    EXPECT_FALSE(fs::exists(MenuEntry()));
    EXPECT_FALSE(fs::exists(IconTheme()));
}

TEST_F(InstallationTest, AFailedCopyKeepsTheFilesBeforeAndWritesNoSettingsOrShortcuts)
{
    const fs::path installDir = home.DataHome() / "KR coolers";
    fs::create_directories(installDir / "Krdata.dat");
    const InstallOutcome outcome = Install(Choice(InstallKind::Standard, installDir));
    EXPECT_EQ(outcome.Status, InstallStatus::CopyFailed);
    EXPECT_EQ(outcome.FailedPath, installDir / "Krdata.dat");
    EXPECT_EQ(outcome.Reason, std::errc::is_a_directory);
    EXPECT_TRUE(fs::exists(installDir / "Install_English.txt"));
    EXPECT_FALSE(fs::exists(installDir / "Price.dat"));
    EXPECT_FALSE(fs::exists(home.RegistryFile()));
    EXPECT_FALSE(fs::exists(DesktopEntry()));
    EXPECT_FALSE(fs::exists(MenuEntry()));
}

TEST_F(InstallationTest, ATargetFolderThatCannotBeMadeIsReported)
{
    const test::TempDir blocked;
    blocked.Write("file", "in the way");
    for (const fs::path& installDir : {blocked / "file", blocked / "file" / "KR coolers", fs::path()}) {
        const InstallOutcome outcome = Install(Choice(InstallKind::Customised, installDir));
        EXPECT_EQ(outcome.Status, InstallStatus::DirectoryFailed) << installDir;
        EXPECT_EQ(outcome.FailedPath, installDir);
        EXPECT_TRUE(outcome.Reason) << installDir;
    }
    EXPECT_EQ(ReadFile(blocked / "file"), "in the way");
    EXPECT_FALSE(fs::exists(home.RegistryFile()));
}

// The source itself, also reached through a link or another spelling, is
// refused before anything is written: copying a file onto itself would
// truncate it.
TEST_F(InstallationTest, InstallingIntoTheFolderTheProgramRunsFromIsRefused)
{
    const fs::path link = home.Home() / "link to dist";
    fs::create_directory_symlink(dist.Path(), link);
    const std::string before = ReadFile(dist.Path() / "Krdata.dat");
    for (const InstallKind kind : {InstallKind::Standard, InstallKind::Customised, InstallKind::Server}) {
        for (const fs::path& installDir : {dist.Path(), link, dist.Path() / "." / ""}) {
            const InstallOutcome outcome = Install(Choice(kind, installDir));
            EXPECT_EQ(outcome.Status, InstallStatus::SameFolder) << installDir;
            EXPECT_EQ(outcome.FailedPath, installDir);
        }
    }
    EXPECT_EQ(progressCalls, 0u);
    EXPECT_EQ(ReadFile(dist.Path() / "Krdata.dat"), before);
    EXPECT_EQ(ReadFile(dist.Path() / "Price.dat"), "contents of Price.dat");
    EXPECT_FALSE(fs::exists(home.RegistryFile()));
    EXPECT_FALSE(fs::exists(MenuEntry()));
}

// A shortcut made before the settings failed would start a program that
// does not know it is installed, and so the wizard again.
TEST_F(InstallationTest, SettingsThatCannotBeSavedAreReportedAndNoShortcutIsMade)
{
    const test::TempDir blocked;
    blocked.Write("file", "");
    RegistryStore unwritable(blocked / "file" / "KRCool.reg");
    const fs::path installDir = home.DataHome() / "KR coolers";
    const InstallOutcome outcome =
        RunInstallation(Choice(InstallKind::Standard, installDir), languages, UserShortcutFolders(), unwritable, {});
    EXPECT_EQ(outcome.Status, InstallStatus::SettingsFailed);
    EXPECT_EQ(outcome.FailedPath, blocked / "file" / "KRCool.reg");
    EXPECT_EQ(outcome.Reason, std::errc::not_a_directory);
    EXPECT_TRUE(fs::exists(installDir / "KR_Oil_Coolers"));
    EXPECT_FALSE(fs::exists(DesktopEntry()));
    EXPECT_FALSE(fs::exists(MenuEntry()));
    EXPECT_FALSE(fs::exists(IconTheme()));
}

}  // namespace
}  // namespace kr
