// Setup: starts the main program that lies beside it with the installation
// switch and ends at once. It passes on no arguments, shows nothing and
// reports nothing: a user looking for a setup program finds one, and the
// installation itself is the main program's. Started by its full path from
// any folder, it still finds its own program, not one of the working folder.

#ifdef _WIN32

#include <windows.h>

#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char own[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string program = "KR_Oil_Coolers.exe";
    if (length > 0 && length < MAX_PATH) {
        const std::string path(own, length);
        const std::size_t separator = path.find_last_of("\\/");
        if (separator != std::string::npos)
            program = path.substr(0, separator + 1) + program;
    }
    ShellExecuteA(nullptr, nullptr, program.c_str(), "/Setup", nullptr, SW_SHOW);
    return 0;
}

#else

#include <climits>
#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* MainProgramName = "KR_Oil_Coolers";
constexpr const char* OwnExecutable = "/proc/self/exe";
// The argument vector of a new process is not const.
char SetupSwitch[] = "/Setup";

// The folder of the launcher's own file, ending in a separator: the file
// the system started (links resolved), else the folder of the path it was
// started by, else the working folder. The search path is never consulted.
std::string OwnFolder(const char* startedAs)
{
    char own[PATH_MAX];
    const ssize_t length = readlink(OwnExecutable, own, sizeof own - 1);
    std::string path = length > 0 ? std::string(own, static_cast<std::size_t>(length))
                                  : std::string(startedAs ? startedAs : "");
    const std::size_t separator = path.rfind('/');
    return separator == std::string::npos ? std::string("./") : path.substr(0, separator + 1);
}

// The main program starts with every signal at its default and none
// blocked, whatever the launcher inherited, and in a session of its own so
// that closing a terminal the launcher ran in does not end it. The launcher
// exits right after starting it; the orphaned program is then reaped by
// the system, so no zombie is left behind.
void StartMainProgram(std::string program)
{
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return;
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    sigdelset(&allSignals, SIGKILL);
    sigdelset(&allSignals, SIGSTOP);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#endif
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);
    posix_spawnattr_setflags(&attributes, flags);

    char* arguments[] = {program.data(), SetupSwitch, nullptr};
    pid_t child = 0;
    posix_spawn(&child, program.c_str(), nullptr, &attributes, arguments, environ);  // a failure ends silently
    posix_spawnattr_destroy(&attributes);
}

}  // namespace

int main(int, char** argv)
{
    StartMainProgram(OwnFolder(argv[0]) + MainProgramName);
    return 0;
}

#endif
