#include "core/install/desktop_entry.h"

#include "install_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
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

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// desktop-file-validate's verdict: its exit status and what it printed.
struct Verdict {
    int status = -1;
    std::string output;
};

Verdict Validate(const fs::path& entry)
{
    Verdict verdict;
    const std::string command = "desktop-file-validate " + ShellQuoted(entry.string()) + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return verdict;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe.get()))
        verdict.output += buffer.data();
    verdict.status = pclose(pipe.release());
    return verdict;
}

TEST(DesktopEntry, QuotingOfExecArgumentsAndValues)
{
    EXPECT_EQ(QuoteExecArgument("/opt/KR coolers/KR_Oil_Coolers"), "\"/opt/KR coolers/KR_Oil_Coolers\"");
    EXPECT_EQ(QuoteExecArgument("a\"b`c$d\\e%f"), "\"a\\\"b\\`c\\$d\\\\e%%f\"");
    EXPECT_EQ(EscapeDesktopValue("a\\b\nc\td"), "a\\\\b\\nc\\td");
    EXPECT_EQ(EscapeDesktopValue(" lead and trail "), "\\slead and trail ");
}

TEST(DesktopEntry, TextStartsTheInstalledProgramInItsFolder)
{
    EXPECT_EQ(DesktopEntryText("/home/u/KR coolers", {}),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=KR-Oil Coolers\n"
              "Exec=\"/home/u/KR coolers/KR_Oil_Coolers\"\n"
              "Path=/home/u/KR coolers\n"
              "Terminal=false\n"
              "Categories=Office;Engineering;\n");
}

TEST(DesktopEntry, IconByItsNameInTheIconTheme)
{
    EXPECT_NE(DesktopEntryText("/opt/kr", "kr-oil-coolers").find("\nIcon=kr-oil-coolers\n"), std::string::npos);
}

TEST(DesktopEntry, WrittenEntriesPassTheValidatorAlsoForAwkwardFolderNames)
{
    const test::TempDir dir;
    for (const char* name : {"KR coolers", "a \"quoted\" $HOME `x` 100% back\\slash", " leading blank"}) {
        const fs::path installDir = dir / name;
        const fs::path desktop = dir / "Desktop";
        const fs::path menu = dir / "applications" / "KR coolers";

        ASSERT_TRUE(CreateDesktopShortcut(desktop, installDir, "kr-oil-coolers")) << name;
        ASSERT_TRUE(CreateMenuShortcut(menu, installDir, "kr-oil-coolers")) << name;
        for (const fs::path& entry : {desktop / "KR-Oil Coolers.desktop", menu / "KR-Oil Coolers.desktop"}) {
            const Verdict verdict = Validate(entry);
            EXPECT_EQ(verdict.status, 0) << name << ":\n" << verdict.output << ReadFile(entry);
            EXPECT_EQ(verdict.output, "") << name;
        }
        fs::remove_all(dir / "Desktop");
        fs::remove_all(dir / "applications");
    }
}

// A fresh home has no desktop folder until a file manager first runs; the
// entry makes it, as the file manager would.
TEST(DesktopEntry, DesktopEntryIsExecutableFoldersAreCreated)
{
    const test::TempDir dir;
    ASSERT_TRUE(CreateDesktopShortcut(dir / "Desktop", "/opt/kr", {}));
    EXPECT_NE(fs::status(dir / "Desktop" / "KR-Oil Coolers.desktop").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    ASSERT_TRUE(CreateMenuShortcut(dir / "share" / "applications" / "KR coolers", "/opt/kr", {}));
    EXPECT_TRUE(fs::is_regular_file(dir / "share" / "applications" / "KR coolers" / "KR-Oil Coolers.desktop"));
}

TEST(DesktopEntry, UnwritableOrUnknownFoldersFailQuietly)
{
    const test::TempDir dir;
    dir.Write("file", "");
    EXPECT_FALSE(CreateMenuShortcut(dir / "file" / "KR coolers", "/opt/kr", {}));
    EXPECT_FALSE(CreateDesktopShortcut(dir / "file" / "Desktop", "/opt/kr", {}));
    EXPECT_FALSE(CreateDesktopShortcut({}, "/opt/kr", {}));
    EXPECT_FALSE(CreateMenuShortcut({}, "/opt/kr", {}));
}

}  // namespace
}  // namespace kr
