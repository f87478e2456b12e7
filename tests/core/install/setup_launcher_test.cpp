// Runs a copy of the built launcher in a temporary folder, beside a
// stand-in for the main program that records its arguments, or alone.

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iterator>
#include <string>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto PatienceForTheStandIn = 20s;

// Writes each argument on a line of its own into "arguments" beside
// itself, then waits until the test creates "release" before it writes
// "finished". The launcher must have ended while the stand-in still waits.
constexpr const char* StandIn =
    "#!/bin/sh\n"
    "cd \"$(dirname \"$0\")\" || exit 1\n"
    "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done > arguments.part\n"
    "mv arguments.part arguments\n"
    "waited=0\n"
    "while [ ! -e release ] && [ $waited -lt 400 ]; do sleep 0.05; waited=$((waited + 1)); done\n"
    ": > finished\n";

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WaitFor(const fs::path& file)
{
    const auto deadline = std::chrono::steady_clock::now() + PatienceForTheStandIn;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The launcher as it ships, copied into folder.
fs::path CopyLauncherInto(const fs::path& folder)
{
    const fs::path launcher = folder / "Setup";
    fs::copy_file(KR_SETUP_PROGRAM, launcher);
    return launcher;
}

fs::path WriteStandIn(const fs::path& folder)
{
    const fs::path standIn = folder / "KR_Oil_Coolers";
    std::ofstream(standIn) << StandIn;
    fs::permissions(standIn, fs::perms::owner_all);
    return standIn;
}

// The launcher's exit status, started by startedAs in workingFolder with a
// few arguments of its own that it must not pass on.
int RunLauncher(const fs::path& workingFolder, const std::string& startedAs)
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workingFolder.c_str()) == 0)
            execl(startedAs.c_str(), startedAs.c_str(), "/S", "--own argument", "extra", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SetupLauncher, StartsTheMainProgramWithTheSetupSwitchOnlyAndDoesNotWait)
{
    const kr::test::TempDir folder;
    CopyLauncherInto(folder.Path());
    WriteStandIn(folder.Path());

    EXPECT_EQ(RunLauncher(folder.Path(), "./Setup"), 0);
    // Had the launcher waited, the stand-in would have timed out and finished.
    EXPECT_FALSE(fs::exists(folder / "finished"));

    ASSERT_TRUE(WaitFor(folder / "arguments"));
    EXPECT_EQ(ReadFile(folder / "arguments"), "/Setup\n");
    folder.Write("release", "");
    EXPECT_TRUE(WaitFor(folder / "finished"));
}

// Started by its full path from elsewhere, it starts its own program, not
// the one of the working folder.
TEST(SetupLauncher, FromAnyFolderItStartsTheProgramBesideIt)
{
    const kr::test::TempDir distribution;
    const kr::test::TempDir elsewhere;
    const fs::path launcher = CopyLauncherInto(distribution.Path());
    WriteStandIn(distribution.Path());
    WriteStandIn(elsewhere.Path());

    EXPECT_EQ(RunLauncher(elsewhere.Path(), launcher.string()), 0);
    ASSERT_TRUE(WaitFor(distribution / "arguments"));
    EXPECT_EQ(ReadFile(distribution / "arguments"), "/Setup\n");
    distribution.Write("release", "");
    EXPECT_TRUE(WaitFor(distribution / "finished"));
    EXPECT_FALSE(fs::exists(elsewhere / "arguments"));
}

TEST(SetupLauncher, EndsQuietlyWithoutTheMainProgram)
{
    const kr::test::TempDir folder;
    CopyLauncherInto(folder.Path());
    EXPECT_EQ(RunLauncher(folder.Path(), "./Setup"), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

}  // namespace
