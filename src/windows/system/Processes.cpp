#include "windows/system/Processes.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "core/CommandLine.h"
#include "core/DiscFolder.h"
#include "core/LauncherError.h"
#include "windows/system/Environment.h"
#include "windows/system/Handles.h"
#include "windows/system/SystemLibrary.h"
#include "windows/system/Waiting.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

constexpr DWORD kJobPollMs = 250;

std::string ImageNameOf(DWORD processId) {
  using QueryImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
  static const auto query = reinterpret_cast<QueryImageNameFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameW")));
  const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  wchar_t name[MAX_PATH];
  DWORD length = MAX_PATH;
  if (!query || !process || !query(process.Get(), 0, name, &length)) return "?";  // gone already, or Windows XP
  const std::string path = Utf8Of(std::wstring_view(name, length));
  return path.substr(path.find_last_of('\\') + 1);
}

// The programs an installer starts in turn, gathered in a job of the
// launcher's: without a kill-on-close limit (an ending launcher never takes
// running installers with it) and without breakaway.
class ProgramJob {
 public:
  explicit ProgramJob(const WaitReport& report) : report_(report) {
    job_ = KernelHandle(CreateJobObjectA(nullptr, nullptr));
    port_ = KernelHandle(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!job_ || !port_) return;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{};
    association.CompletionKey = job_.Get();
    association.CompletionPort = port_.Get();
    ready_ = SetInformationJobObject(job_.Get(), JobObjectAssociateCompletionPortInformation, &association,
                                     sizeof association) != 0;
  }

  // False where the launcher itself runs in a job that takes no other
  // (Windows 7 and older): the launcher then waits for the program alone.
  bool Adopt(HANDLE process) {
    if (ready_ && AssignProcessToJobObject(job_.Get(), process)) return true;
    Report(HostEvent::JobRefused(GetLastError()));
    return false;
  }

  // Until the job's last program has ended, naming each that joins. The
  // port's messages are not guaranteed, so the count is asked as well.
  void WaitUntilEmpty(HANDLE started) {
    const DWORD start = GetTickCount();
    bool startedEnded = false;
    for (;;) {
      ReadMessages();
      if (empty_ || (startedEnded && ActiveProcesses() == 0)) break;
      if (!startedEnded) {
        startedEnded = WaitResponsively(started, kJobPollMs);
      } else {
        WaitResponsively(nullptr, kJobPollMs);
      }
    }
    Report(HostEvent::JobEmpty((GetTickCount() - start) / 1000));
  }

 private:
  void ReadMessages() {
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED detail = nullptr;
    while (GetQueuedCompletionStatus(port_.Get(), &message, &key, &detail, 0)) {
      const DWORD processId = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(detail));
      if (message == JOB_OBJECT_MSG_NEW_PROCESS) {
        Report(HostEvent::JobJoined(processId, ImageNameOf(processId)));
      } else if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
        empty_ = true;
      }
    }
  }
  DWORD ActiveProcesses() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job_.Get(), JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                   nullptr)) {
      return 0;
    }
    return accounting.ActiveProcesses;
  }
  void Report(const HostEvent& event) const {
    if (report_) report_(event);
  }

  const WaitReport& report_;
  KernelHandle job_;
  KernelHandle port_;
  bool ready_ = false;
  bool empty_ = false;
};

StartResult ExitCodeOf(HANDLE process) {
  DWORD exitCode = 0;
  GetExitCodeProcess(process, &exitCode);
  return static_cast<int32_t>(exitCode);
}

// Waits for a started program, and with a job for the programs it started.
StartResult WaitForProgram(HANDLE process, ProgramJob* job) {
  if (job) {
    job->WaitUntilEmpty(process);
  } else {
    WaitResponsively(process, INFINITE);
  }
  return ExitCodeOf(process);
}

StartResult StartAndWait(const std::string& commandLine, int16_t show, DWORD creationFlags, WaitScope scope,
                         const WaitReport& report) {
  // CreateProcessW may write into the command line: it gets a copy.
  std::wstring buffer = Wide(commandLine);
  if (buffer.size() > kCommandLineLimit) {
    throw LauncherError("The command line is longer than " + std::to_string(kCommandLineLimit) + " characters: " +
                        commandLine.substr(0, CharacterOffset(commandLine, 60)) + "...");
  }
  STARTUPINFOW startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process;
  std::memset(&process, 0, sizeof process);
  // Put in the job before it runs, so that no program it starts escapes.
  const bool everyProgram = scope == WaitScope::kEveryProgram;
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, creationFlags | (everyProgram ? CREATE_SUSPENDED : 0),
                      nullptr, nullptr, &startup, &process)) {
    return std::nullopt;  // nothing more is called: the last error stays CreateProcessW's
  }
  // Closed in this order when the start is over: the process, then its thread.
  const KernelHandle thread(process.hThread);
  const KernelHandle started(process.hProcess);
  std::optional<ProgramJob> job;
  if (everyProgram) {
    job.emplace(report);
    if (!job->Adopt(started.Get())) job.reset();
    ResumeThread(thread.Get());
  }
  return WaitForProgram(started.Get(), job ? &*job : nullptr);
}

bool HasForegroundLock() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return version.dwMajorVersion >= 5;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS &&
         (version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0));
}

using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
ShellExecuteExFn ShellExecuteExEntry() {
  static const ShellExecuteExFn entry = SystemLibraryFunction<ShellExecuteExFn>("shell32.dll", "ShellExecuteExW");
  return entry;
}

std::optional<std::string> ExistingFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string full = TextFromSystem(
      [](const wchar_t* file, wchar_t* buffer, DWORD size) { return GetFullPathNameW(file, size, buffer, nullptr); },
      Wide(path).c_str());
  return full.empty() ? path : full;
}

}  // namespace

StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show, HWND owner,
                          const std::string& directory, WaitScope scope, const WaitReport& report) {
  const ShellExecuteExFn shellExecuteEx = ShellExecuteExEntry();
  if (!shellExecuteEx) return std::nullopt;  // the last error says why the shell did not load
  const std::wstring wideProgram = Wide(program), wideParameters = Wide(parameters), wideDirectory = Wide(directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = L"runas";
  info.lpFile = wideProgram.c_str();
  info.lpParameters = parameters.empty() ? nullptr : wideParameters.c_str();
  // Without it an elevated program starts in the system folder.
  info.lpDirectory = directory.empty() ? nullptr : wideDirectory.c_str();
  info.nShow = show;
  if (!shellExecuteEx(&info)) return std::nullopt;  // nothing more is called: the last error stays the shell's
  if (!info.hProcess) return 0;  // handed to a running program: nothing to wait for
  const KernelHandle started(info.hProcess);
  // The shell cannot start a program suspended: it joins the job once it
  // runs, and a program it starts in that first instant may escape.
  std::optional<ProgramJob> job;
  if (scope == WaitScope::kEveryProgram) {
    job.emplace(report);
    if (!job->Adopt(started.Get())) job.reset();
  }
  return WaitForProgram(started.Get(), job ? &*job : nullptr);
}

std::optional<std::string> FindProgram(const std::string& name, const std::string& currentDirectory,
                                       const std::string& searchPath) {
  if (name.find_first_of("\\/:") != std::string::npos) return ExistingFile(name);
  const std::string windows = TextFromSystem([](const wchar_t*, wchar_t* b, DWORD n) -> DWORD { return GetWindowsDirectoryW(b, n); });
  const std::string folders[] = {
      FolderOf(SystemModulePath()),
      currentDirectory,
      TextFromSystem([](const wchar_t*, wchar_t* b, DWORD n) -> DWORD { return GetSystemDirectoryW(b, n); }),
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

StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope, const WaitReport& report) {
  return StartAndWait(commandLine, show, NORMAL_PRIORITY_CLASS, scope, report);
}

StartResult WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope, const WaitReport& report) {
  return StartAndWait(commandLine, show, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, scope, report);
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
