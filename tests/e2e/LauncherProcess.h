// The real Install_Windows.exe, started on a fixture disc and driven from
// outside as a person would: its windows found, read and answered, clicks
// given at client coordinates with real mouse input, keys pressed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace launcher::test {

struct MessageBoxSeen {
  bool found = false;
  std::string title;
  std::string text;
};

class LauncherProcess {
 public:
  // Starts the launcher with the disc folder as its current directory and
  // the arguments on its command line (paths and arguments in UTF-8). It inherits the test's environment,
  // and under Wine its locale. `program` is the launcher built with the
  // tests unless a copy of it is named.
  explicit LauncherProcess(const std::string& discFolder, const std::string& arguments = "",
                           const std::string& program = "");
  // Ends the process if it is still running.
  ~LauncherProcess();
  LauncherProcess(const LauncherProcess&) = delete;
  LauncherProcess& operator=(const LauncherProcess&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD ProcessId() const { return process_.dwProcessId; }

  // The main window once it is visible; null after the time-out.
  HWND MainWindow(DWORD timeoutMs = 10000);
  // The main window once it is visible and drawn; null when it is not.
  HWND DrawnMainWindow();
  // Waits for a message box of the launcher, reads it and presses OK.
  MessageBoxSeen AnswerMessageBox(DWORD timeoutMs = 10000);
  // Moves the pointer to a client point of the window and clicks there.
  void ClickAt(HWND window, int x, int y);
  void MoveTo(HWND window, int x, int y);
  // Presses and releases a key, with Shift held where asked, as real input.
  void PressKey(WORD key, bool shift = false);

  // Waits for the process to end; its exit code, or STILL_ACTIVE.
  DWORD WaitForExit(DWORD timeoutMs = 10000);
  // Asks the main window to close, as its close box does, and waits for the
  // process to end: its exit code, or STILL_ACTIVE.
  DWORD Close(HWND mainWindow, DWORD timeoutMs = 10000);

 private:
  PROCESS_INFORMATION process_{};
};

// The full path of the launcher built with the tests, or of the one named
// by the environment variable LAUNCHER_UNDER_TEST.
std::string LauncherExe();
std::string FullPath(const std::string& relative);

// The events of a support log, without their time stamps; a line without
// one reads "unstamped: LINE".
std::vector<std::string> LoggedEvents(const std::string& logFile);
// When the first event that holds `part` was logged, in milliseconds of its
// local day; nothing when none holds it. MillisecondOfDay: now, the same way.
std::optional<int> LoggedMillisecondOf(const std::string& logFile, const std::string& part);
int MillisecondOfDay();

// When the running test has failed, keeps a screenshot of the launcher's
// window as artifacts/e2e-TEST.bmp.
void KeepScreenshotOfFailure(HWND window);

}  // namespace launcher::test
