// The program start: one launcher per desktop, its main window placed on the
// screen, the message loop until the window closes.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/Arguments.h"
#include "core/DiscFolder.h"
#include "core/HostEvent.h"
#include "core/LoggedHost.h"
#include "core/QuietRun.h"
#include "core/Texts.h"
#include "windows/kit/Application.h"
#include "windows/Main.h"
#include "windows/TopLevel.h"
#include "windows/kit/Dpi.h"
#include "windows/system/Environment.h"
#include "windows/system/FileLog.h"
#include "windows/system/SystemQueries.h"
#include "windows/system/Win32Text.h"

namespace {

// The launcher runs from removable media and download folders: DLLs are
// taken from the system directory only. Looked up at run time, since older
// systems lack the call.
void ProtectDllLoading() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto setDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDirectories) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Started away from its disc (a double-click on a stick or a share, a
// shortcut, a prompt elsewhere), the launcher takes its own folder for the
// disc, before anything reads it.
void EnterTheDisc(launcher::LogSink* log) {
  const std::string current = launcher::SystemCurrentDirectory();
  const auto folder = launcher::DiscFolderToEnter(current, launcher::SystemModulePath(), launcher::FileExists);
  if (!folder) return;
  const bool entered = launcher::EnterFolder(*folder);
  launcher::WriteEvent(log, launcher::HostEvent::FolderEntered(current, *folder, entered));
}

}  // namespace

// An exception that escapes everything ends the program; the launcher has no
// console to print a demangled type name on, so the library's verbose
// handler, and its demangler (a tenth of the exe), are left out.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// The log is opened only when asked for: the launcher writes no file of
// its own accord.
void OpenLog(std::optional<launcher::FileLog>& log, const launcher::LauncherArguments& arguments) {
  if (!arguments.logFile) return;
  log.emplace(*arguments.logFile);
  launcher::WriteEvent(&*log, launcher::HostEvent::LauncherStarted(LAUNCHER_VERSION, GetACP(), arguments.quiet));
}

// An administrator's deployment: the disc's own actions without a window,
// and an exit code that says how they went.
int RunUnattended(const launcher::LauncherArguments& arguments) {
  std::optional<launcher::FileLog> log;
  OpenLog(log, arguments);
  launcher::LogSink* sink = log ? &*log : nullptr;
  auto end = [sink](int code) {
    launcher::WriteEvent(sink, launcher::HostEvent::End(code));
    return code;
  };
  if (launcher::WindowsInstallerAsksForADisc() || FindWindowA(launcher::kMainWindowClass, nullptr)) {
    launcher::WriteEvent(sink, launcher::HostEvent::Of(launcher::HostEvent::Kind::kUnattendedRefused));
    return end(launcher::kExitInstallerBusy);
  }
  EnterTheDisc(sink);
  launcher::Application application("Install_Windows", true, launcher::LauncherIcon(), launcher::WithFinalFullStop);
  launcher::TInstallWindows mainWindow(application, sink, true, arguments.language);
  return end(mainWindow.RunQuietly(arguments));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProtectDllLoading();
  launcher::BecomeDpiAware();
  // The Unicode command line: a log file's path may be in any script.
  const std::string commandLine = launcher::Utf8Of(GetCommandLineW());
  const launcher::LauncherArguments arguments = launcher::ReadArguments(launcher::WithoutProgramName(commandLine));
  if (arguments.quiet) return RunUnattended(arguments);
  if (arguments.usage) {
    MessageBoxA(nullptr, launcher::kUsageText, "Install_Windows", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  // The disc Windows Installer asks for must not pop the launcher's menu
  // over its question.
  if (launcher::WindowsInstallerAsksForADisc()) return 0;
  if (FindWindowA(launcher::kMainWindowClass, nullptr)) return 0;
  std::optional<launcher::FileLog> log;
  OpenLog(log, arguments);
  EnterTheDisc(log ? &*log : nullptr);
  launcher::Application application("Install_Windows", false, launcher::LauncherIcon(), launcher::WithFinalFullStop);
  launcher::TInstallWindows mainWindow(application, log ? &*log : nullptr, false, arguments.language);
  mainWindow.Place();
  mainWindow.Show();
  application.Run();
  launcher::WriteEvent(log ? &*log : nullptr, launcher::HostEvent::End(std::nullopt));
  return 0;
}
