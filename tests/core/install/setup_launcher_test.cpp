// Runs the built launcher in a temporary folder, once beside a stand-in for
// the main program that records its arguments, and once alone.

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto PatienceForTheStandIn = 20s;

// Writes each argument on a line of its own into "arguments", then waits
// until the test creates "release" before it writes "finished". The
// launcher must have ended while the stand-in still waits.
constexpr const char* StandIn =
    "#!/bin/sh\n"
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

// The launcher's exit status, started in folder with a few arguments of its
// own that it must not pass on.
int RunLauncher(const fs::path& folder)
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) == 0)
            execl(KR_SETUP_PROGRAM, KR_SETUP_PROGRAM, "/S", "--own argument", "extra", static_cast<char*>(nullptr));
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
    const fs::path standIn = folder.Write("KR_Oil_Coolers", StandIn);
    fs::permissions(standIn, fs::perms::owner_all);

    EXPECT_EQ(RunLauncher(folder.Path()), 0);
    // Had the launcher waited, the stand-in would have timed out and finished.
    EXPECT_FALSE(fs::exists(folder / "finished"));

    ASSERT_TRUE(WaitFor(folder / "arguments"));
    EXPECT_EQ(ReadFile(folder / "arguments"), "/Setup\n");
    folder.Write("release", "");
    EXPECT_TRUE(WaitFor(folder / "finished"));
}

TEST(SetupLauncher, EndsQuietlyWithoutTheMainProgram)
{
    const kr::test::TempDir folder;
    EXPECT_EQ(RunLauncher(folder.Path()), 0);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

}  // namespace
