#include "core/install/install_locations.h"

#include "install_fixture.h"

#include <gtest/gtest.h>

namespace kr {
namespace {

namespace fs = std::filesystem;

TEST(InstallLocations, ProgramFilesDirFollowsTheXdgDataHome)
{
    const test::TemporaryHome home;
    EXPECT_EQ(ProgramFilesDir(), home.DataHome());
    EXPECT_EQ(DefaultInstallDir(), home.DataHome() / "KR coolers");
    EXPECT_EQ(DefaultServerDir(), home.DataHome() / "KR coolers copy");
    EXPECT_EQ(MenuDir(), home.DataHome() / "applications" / "KR coolers");

    setenv("XDG_DATA_HOME", "relative/data", 1);  // ignored: the XDG folders must be absolute
    EXPECT_EQ(ProgramFilesDir(), home.Home() / ".local/share");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ProgramFilesDir(), home.Home() / ".local/share");
}

// Without any data folder the installation still has a target (the working
// folder), but the menu entry has nowhere to go and is not made.
TEST(InstallLocations, WithoutHomeOrDataHomeThereIsNoMenuFolder)
{
    const test::TemporaryHome home;
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(ProgramFilesDir(), fs::current_path());
    EXPECT_TRUE(MenuDir().empty());
    EXPECT_TRUE(DesktopDir().empty());
}

TEST(InstallLocations, DesktopFromTheUserDirsFileElseHomeDesktop)
{
    const test::TemporaryHome home;
    EXPECT_EQ(DesktopDir(), home.Home() / "Desktop");

    fs::create_directories(home.ConfigHome());
    const auto userDirs = home.ConfigHome() / "user-dirs.dirs";
    const struct {
        std::string line;
        fs::path expected;
    } cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"", home.Home() / "Skrivebord"},
        {"# XDG_DESKTOP_DIR=\"$HOME/Commented\"\nXDG_DESKTOP_DIR=\"$HOME/Real\"", home.Home() / "Real"},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n  XDG_DESKTOP_DIR = \"/srv/desk top\"", "/srv/desk top"},
        {"XDG_DESKTOP_DIR=\"$HOME/With \\\"quote\\\"\"", home.Home() / "With \"quote\""},
        {"XDG_DESKTOP_DIR=\"relative\"", home.Home() / "Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOMEX/desk\"", home.Home() / "Desktop"},
        {"XDG_DESKTOP_DIR=$HOME/unquoted", home.Home() / "Desktop"},
    };
    for (const auto& c : cases) {
        std::ofstream(userDirs) << "# written by xdg-user-dirs-update\n" << c.line << "\n";
        EXPECT_EQ(DesktopDir(), c.expected) << c.line;
    }
}

TEST(InstallLocations, BrowsedFolderGetsOneSeparatorAndTheFolderName)
{
    EXPECT_EQ(AppendFolderName("/home/user/", "KR coolers"), "/home/user/KR coolers");
    EXPECT_EQ(AppendFolderName("/home/user///", "KR coolers"), "/home/user/KR coolers");
    EXPECT_EQ(AppendFolderName("/srv/share", "KR coolers copy"), "/srv/share/KR coolers copy");
    EXPECT_EQ(AppendFolderName("/", "KR coolers"), "/KR coolers");
}

TEST(InstallLocations, FolderPartAndTrailingSeparators)
{
    EXPECT_EQ(FolderPartOf("/home/user/KR coolers"), "/home/user/");
    EXPECT_EQ(FolderPartOf("/home/user/"), "/home/user/");
    EXPECT_EQ(FolderPartOf("KR coolers"), "");
    EXPECT_EQ(WithTrailingSeparator("/opt/kr"), "/opt/kr/");
    EXPECT_EQ(WithTrailingSeparator("/opt/kr//"), "/opt/kr/");
    EXPECT_EQ(WithoutTrailingSeparator("/opt/kr//"), fs::path("/opt/kr"));
    EXPECT_EQ(WithoutTrailingSeparator("/"), fs::path("/"));
}

// A folder typed as in a shell: "~" is the home folder; anything that is
// not a full path is refused rather than put under the working folder.
TEST(InstallLocations, TypedFoldersLeadFromTheRootOrTheHomeFolder)
{
    const test::TemporaryHome home;
    const fs::path h = home.Home();
    const struct {
        std::string typed;
        fs::path expected;
    } cases[] = {
        {"~", h},
        {"~/", h},
        {"~/KR coolers//", h / "KR coolers"},
        {"~/a/~/b", h / "a/~/b"},
        {"/opt/KR coolers/", "/opt/KR coolers"},
        {"/", "/"},
        {"KR coolers", ""},
        {"./KR coolers", ""},
        {"~other/KR coolers", ""},
        {"~KR coolers", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveTypedFolder(c.typed), c.expected) << c.typed;
    unsetenv("HOME");
    EXPECT_EQ(ResolveTypedFolder("~/KR coolers"), fs::path());
    EXPECT_EQ(ResolveTypedFolder("/opt/kr"), fs::path("/opt/kr"));
}

}  // namespace
}  // namespace kr
