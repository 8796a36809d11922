#include "windows/system/Processes.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "core/CommandLine.h"
#include "core/LauncherError.h"
#include "windows/system/Handles.h"
#include "windows/system/SystemLibrary.h"

namespace launcher {
namespace {

int32_t ExitCodeAfterWaiting(HANDLE process) {
  WaitFor(process);
  DWORD exitCode = 0;
  GetExitCodeProcess(process, &exitCode);
  return static_cast<int32_t>(exitCode);
}

int32_t StartAndWait(const std::string& commandLine, int16_t show, DWORD creationFlags) {
  if (commandLine.size() > kCommandLineLimit) {
    throw LauncherError("The command line is longer than " + std::to_string(kCommandLineLimit) + " characters: " +
                        commandLine.substr(0, 60) + "...");
  }
  // CreateProcessA may write into the command line: it gets a buffer.
  char buffer[kCommandLineLimit + 1];
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
  // Closed in this order when the start is over: the process, then its thread.
  const KernelHandle thread(process.hThread);
  const KernelHandle started(process.hProcess);
  return ExitCodeAfterWaiting(started.Get());
}

bool HasForegroundLock() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return version.dwMajorVersion >= 5;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
         (version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0));
}

using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
ShellExecuteExFn ShellExecuteExEntry() {
  static const ShellExecuteExFn entry = SystemLibraryFunction<ShellExecuteExFn>("shell32.dll", "ShellExecuteExA");
  return entry;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

template <typename Fill>
std::string SystemText(Fill fill) {
  char buffer[MAX_PATH];
  const DWORD length = fill(buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::optional<std::string> ExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

}  // namespace

int32_t StartElevated(const std::string& program, const std::string& parameters, int16_t show, HWND owner,
                      const std::string& directory) {
  const ShellExecuteExFn shellExecuteEx = ShellExecuteExEntry();
  if (!shellExecuteEx) return -1;  // the last error says why the shell did not load
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = "runas";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  // Without it an elevated program starts in the system folder.
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = show;
  if (!shellExecuteEx(&info)) return -1;  // nothing more is called: the last error stays the shell's
  if (!info.hProcess) return 0;  // handed to a running program: nothing to wait for
  const KernelHandle started(info.hProcess);
  return ExitCodeAfterWaiting(started.Get());
}

std::optional<std::string> FindProgram(const std::string& name, const std::string& currentDirectory,
                                       const std::string& searchPath) {
  if (name.find_first_of("\\/:") != std::string::npos) return ExistingFile(name);
  const std::string windows = SystemText([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
  const std::string folders[] = {
      DirectoryOf(SystemText([](char* b, DWORD n) { return GetModuleFileNameA(nullptr, b, n); })),
      currentDirectory,
      SystemText([](char* b, UINT n) { return GetSystemDirectoryA(b, n); }),
      windows.empty() ? std::string() : windows + "\\System",
      windows,
  };
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    if (auto found = ExistingFile(folder + "\\" + name)) return found;
  }
  for (size_t start = 0; start <= searchPath.size();) {
    const size_t end = std::min(searchPath.find(';', start), searchPath.size());
    if (end > start) {
      if (auto found = ExistingFile(searchPath.substr(start, end - start) + "\\" + name)) return found;
    }
    start = end + 1;
  }
  return std::nullopt;
}

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
