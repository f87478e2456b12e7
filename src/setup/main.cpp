// Setup: starts the main program of the folder it is started in with the
// installation switch and ends at once. It reads no arguments, shows
// nothing and reports nothing: a user looking for a setup program finds
// one, and the installation itself is the main program's.

#ifdef _WIN32

#include <windows.h>

#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Resolved against the current folder, the root of the distribution.
    ShellExecuteA(nullptr, nullptr, "KR_Oil_Coolers.exe", "/Setup", nullptr, SW_SHOW);
    return 0;
}

#else

#include <csignal>
#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace {

// A path with a separator is taken as it stands, relative to the current
// folder; the search path is never consulted. The texts are arrays of their
// own because the argument vector of a new process is not const.
char MainProgram[] = "./KR_Oil_Coolers";
char SetupSwitch[] = "/Setup";

// The main program starts with every signal at its default and none
// blocked, whatever the launcher inherited, and in a session of its own so
// that closing a terminal the launcher ran in does not end it. The launcher
// exits right after starting it; the orphaned program is then reaped by
// the system, so no zombie is left behind.
void StartMainProgram()
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

    char* arguments[] = {MainProgram, SetupSwitch, nullptr};
    pid_t child = 0;
    posix_spawn(&child, MainProgram, nullptr, &attributes, arguments, environ);  // a failure ends silently
    posix_spawnattr_destroy(&attributes);
}

}  // namespace

int main()
{
    StartMainProgram();
    return 0;
}

#endif
