// Starting a program and waiting for it while the launcher's windows keep
// painting, and bringing the launcher back to the front afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/HostEvent.h"
#include "core/LauncherHost.h"

namespace launcher {

// What a wait for every program an installer starts tells the support log:
// each program that joins, and when the last one has ended.
using WaitReport = std::function<void(const HostEvent&)>;

// Start `commandLine` and wait for it to end (with kEveryProgram, also for
// every program it starts in turn): its exit code, or nothing when it
// cannot be started (the last error is then CreateProcessA's). A command
// line longer than kCommandLineLimit raises LauncherError and starts nothing.
StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope = WaitScope::kStartedProgram,
                          const WaitReport& report = {});
// The same in a console of its own (for assisted starts).
StartResult WinExecAndWait32(const std::string& commandLine, int16_t show,
                             WaitScope scope = WaitScope::kStartedProgram, const WaitReport& report = {});

// Starts `program` through the shell with the verb "runas", which asks for
// administrator consent in a window owned by `owner`, in `directory`, and
// waits for it like the plain starts: its exit code, or nothing when it did
// not start (the last error is then the shell's: ERROR_CANCELLED when the
// user declined).
StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show, HWND owner,
                          const std::string& directory, WaitScope scope = WaitScope::kStartedProgram,
                          const WaitReport& report = {});

// Where CreateProcessA finds the program file `name`: as given when it
// names a folder, else in the launcher's folder, the current directory, the
// system folders and the folders of `searchPath` (the PATH variable), in
// that order. Nothing when it is not there.
std::optional<std::string> FindProgram(const std::string& name, const std::string& currentDirectory,
                                       const std::string& searchPath);

// Brings the window to the foreground even against the system's foreground
// lock; true when it is the foreground window on return.
bool ForceForegroundWindow(HWND window);

}  // namespace launcher
