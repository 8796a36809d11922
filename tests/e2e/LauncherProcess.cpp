#include "e2e/LauncherProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <vector>

#include "windows/WindowTestSupport.h"
#include "windows/system/Win32Text.h"

namespace launcher::test {
namespace {

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

std::string FullPath(const std::string& relative) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(Wide(relative).c_str(), MAX_PATH * 2, buffer, nullptr);
  return Utf8Of(std::wstring_view(buffer, length));
}

std::string LauncherExe() {
  // The release's test points the cases at the signed launcher.
  const char* underTest = std::getenv("LAUNCHER_UNDER_TEST");
  return FullPath(underTest && *underTest ? underTest : LAUNCHER_EXE);
}

namespace {

struct StampedEvent {
  int millisecondOfDay = -1;  // -1: the line has no stamp
  std::string text;
};

std::vector<StampedEvent> ReadLog(const std::string& logFile) {
  // Each line: the local time in ISO 8601 with milliseconds, then the event.
  const std::regex stamped(R"(^\d{4}-\d\d-\d\dT(\d\d):(\d\d):(\d\d)\.(\d{3}) (.*)\r?$)");
  std::ifstream in(std::filesystem::path(Wide(logFile)));
  std::vector<StampedEvent> events;
  for (std::string line; std::getline(in, line);) {
    std::smatch parts;
    if (!std::regex_match(line, parts, stamped)) {
      events.push_back({-1, "unstamped: " + line});
      continue;
    }
    const int ms = ((std::stoi(parts[1]) * 60 + std::stoi(parts[2])) * 60 + std::stoi(parts[3])) * 1000 +
                   std::stoi(parts[4]);
    events.push_back({ms, parts[5]});
  }
  return events;
}

}  // namespace

std::vector<std::string> LoggedEvents(const std::string& logFile) {
  std::vector<std::string> events;
  for (StampedEvent& event : ReadLog(logFile)) events.push_back(std::move(event.text));
  return events;
}

std::optional<int> LoggedMillisecondOf(const std::string& logFile, const std::string& part) {
  for (const StampedEvent& event : ReadLog(logFile)) {
    if (event.millisecondOfDay >= 0 && event.text.find(part) != std::string::npos) return event.millisecondOfDay;
  }
  return std::nullopt;
}

int MillisecondOfDay() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

void KeepScreenshotOfFailure(HWND window) {
  if (!window || !testing::Test::HasFailure()) return;
  CreateDirectoryA("artifacts", nullptr);
  SaveScreenshot(window, std::string("artifacts/e2e-") +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + ".bmp");
}

LauncherProcess::LauncherProcess(const std::string& discFolder, const std::string& arguments,
                                 const std::string& program) {
  std::string commandLine =
      "\"" + (program.empty() ? LauncherExe() : program) + "\"" + (arguments.empty() ? "" : " " + arguments);
  std::wstring writable = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const std::wstring folder = Wide(FullPath(discFolder));
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process_)) {
    process_ = PROCESS_INFORMATION{};
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
}

LauncherProcess::~LauncherProcess() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND LauncherProcess::MainWindow(DWORD timeoutMs) {
  return WaitForVisibleWindow("TInstallWindows", timeoutMs, process_.dwProcessId);
}

HWND LauncherProcess::DrawnMainWindow() {
  HWND window = MainWindow();
  return window && WaitUntilPainted(window) ? window : nullptr;
}

MessageBoxSeen LauncherProcess::AnswerMessageBox(DWORD timeoutMs) {
  MessageBoxSeen seen;
  HWND box = WaitForVisibleWindow("#32770", timeoutMs, process_.dwProcessId);
  if (!box) return seen;
  WaitUntilPainted(box);
  seen.found = true;
  seen.title = WindowText(box);
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitFor([box] { return !IsWindow(box); }, 2000);
  return seen;
}

void LauncherProcess::MoveTo(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  SendMouse(MOUSEEVENTF_MOVE);
  WaitFor([point] {
    POINT at{};
    return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
  }, 2000);
  WaitForInputIdle(process_.hProcess, 2000);
}

void LauncherProcess::ClickAt(HWND window, int x, int y) {
  MoveTo(window, x, y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  WaitForInputIdle(process_.hProcess, 2000);
  SendMouse(MOUSEEVENTF_LEFTUP);
  WaitForInputIdle(process_.hProcess, 2000);
}

void LauncherProcess::PressKey(WORD key, bool shift) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  WaitForInputIdle(process_.hProcess, 2000);
}

DWORD LauncherProcess::Close(HWND mainWindow, DWORD timeoutMs) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return WaitForExit(timeoutMs);
}

DWORD LauncherProcess::WaitForExit(DWORD timeoutMs) {
  WaitForSingleObject(process_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace launcher::test
