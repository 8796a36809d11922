#include "windows/Processes.h"

#include <cstring>

#include "core/Startup.h"

namespace launcher {
namespace {

int32_t StartAndWait(const std::string& commandLine, int16_t show, DWORD creationFlags) {
  if (commandLine.size() > kMaxCommandLine) {
    throw LauncherError("The command line is longer than " + std::to_string(kMaxCommandLine) + " characters: " +
                        commandLine.substr(0, 60) + "...");
  }
  // CreateProcessA may write into the command line: it gets a buffer.
  char buffer[kMaxCommandLine + 1];
  std::memcpy(buffer, commandLine.c_str(), commandLine.size() + 1);
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process;
  std::memset(&process, 0, sizeof process);
  if (!CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr, &startup, &process)) {
    return -1;  // nothing more is called: the last error stays CreateProcessA's
  }
  WaitFor(process.hProcess);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return static_cast<int32_t>(exitCode);
}

bool HasForegroundLock() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return version.dwMajorVersion >= 5;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
         (version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0));
}

}  // namespace

int32_t RunWinProcess(const std::string& commandLine, int16_t show) {
  return StartAndWait(commandLine, show, NORMAL_PRIORITY_CLASS);
}

int32_t WinExecAndWait32(const std::string& commandLine, int16_t show) {
  return StartAndWait(commandLine, show, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS);
}

void WaitFor(HANDLE process) {
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_PAINT | QS_SENDMESSAGE);
    if (result == WAIT_FAILED) return;
    if (result == WAIT_OBJECT_0 + 1) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
    }
    if (result == WAIT_OBJECT_0) return;
  }
}

bool ForceForegroundWindow(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (GetForegroundWindow() == window) return true;
  if (HasForegroundLock()) {
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    bool done = false;
    if (AttachThreadInput(windowThread, foregroundThread, TRUE)) {
      BringWindowToTop(window);
      SetForegroundWindow(window);
      AttachThreadInput(windowThread, foregroundThread, FALSE);
      done = GetForegroundWindow() == window;
    }
    if (!done) {
      DWORD saved = 0;
      SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &saved, 0);
      SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
      BringWindowToTop(window);
      SetForegroundWindow(window);
      SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(saved)),
                            SPIF_SENDCHANGE);
    }
  } else {
    BringWindowToTop(window);
    SetForegroundWindow(window);
  }
  return GetForegroundWindow() == window;
}

}  // namespace launcher
