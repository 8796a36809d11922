#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/CommandLine.h"
#include "core/Startup.h"
#include "windows/system/Processes.h"
#include "windows/system/Waiting.h"
#include "windows/WindowTestSupport.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

std::string FullPath(const char* relative) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(relative, sizeof buffer, buffer, nullptr);
  return std::string(buffer, length);
}

struct Record {
  std::string commandLine, directory, console;
};

// The probe's last line: command line, directory and console, split at "|".
Record ReadRecord(const std::string& path) {
  std::ifstream in(path);
  std::string line, last;
  while (std::getline(in, line)) last = line;
  Record record;
  std::istringstream fields(last);
  std::getline(fields, record.commandLine, '|');
  std::getline(fields, record.directory, '|');
  std::getline(fields, record.console, '|');
  return record;
}

const std::string kProbe = FullPath(PROBE_EXE);
const std::string kConsoleProbe = FullPath(PROBE_CONSOLE_EXE);
const std::string kRecord = FullPath("fixtures\\probe-record.txt");

TEST(Processes, StartWaitAndReturnTheExitCode) {
  for (int code : {0, 3, -1}) {  // -1 too: an exit code, not a failed start
    DeleteFileA(kRecord.c_str());
    const std::string commandLine = kProbe + " " + std::to_string(code) + " " + kRecord;
    EXPECT_EQ(RunWinProcess(commandLine, SW_SHOWNORMAL), code);
    Record record = ReadRecord(kRecord);
    EXPECT_EQ(record.commandLine, commandLine);
    char directory[MAX_PATH];
    GetCurrentDirectoryA(sizeof directory, directory);
    EXPECT_EQ(record.directory, directory);
  }
}

TEST(Processes, AMissingProgramStartsNothingAtOnceWithItsError) {
  const DWORD start = GetTickCount();
  EXPECT_EQ(RunWinProcess("no-such-program.exe argument", SW_SHOWNORMAL), std::nullopt);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(WinExecAndWait32("no-such-program.exe", SW_SHOWNORMAL), std::nullopt);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST(Processes, CommandLinesFitTheBufferOrAreRefused) {
  std::string commandLine = kProbe + " 7 ";
  const std::string exact = commandLine + std::string(kCommandLineLimit - commandLine.size() - kRecord.size() - 1, 'x') +
                            " " + kRecord;
  EXPECT_EQ(RunWinProcess(exact, SW_SHOWNORMAL), 7);
  EXPECT_EQ(ReadRecord(kRecord).commandLine, exact);
  EXPECT_THROW(RunWinProcess(exact + "y", SW_SHOWNORMAL), LauncherError);
  EXPECT_THROW(WinExecAndWait32(exact + "y", SW_SHOWNORMAL), LauncherError);
}

TEST(Processes, AssistedStartsGetAConsoleOfTheirOwn) {
  DeleteFileA(kRecord.c_str());
  EXPECT_EQ(WinExecAndWait32(kConsoleProbe + " 0 " + kRecord, SW_SHOWNORMAL), 0);
  const std::string console = ReadRecord(kRecord).console;
  EXPECT_NE(console, "console=00000000");
  EXPECT_NE(console, "console=0000000000000000");
  EXPECT_NE(console, "console=" + std::string());
}

// Wine grants "runas" without a consent window, so the elevated start runs
// through to the program here; the consent itself needs a real Windows.
TEST(Processes, ElevatedStartsRunThroughTheShellInTheGivenDirectoryAndWait) {
  DeleteFileA(kRecord.c_str());
  const std::string directory = FullPath("fixtures");
  const DWORD start = GetTickCount();
  EXPECT_EQ(StartElevated(kProbe, "5 700 " + kRecord, SW_SHOWNORMAL, nullptr, directory), 5);
  EXPECT_GE(GetTickCount() - start, 600u);  // it waited for the program
  const Record record = ReadRecord(kRecord);
  EXPECT_NE(record.commandLine.find("5 700 " + kRecord), std::string::npos) << record.commandLine;
  EXPECT_EQ(record.directory, directory);

  SetLastError(0);
  EXPECT_EQ(StartElevated(FullPath("no-such-program.exe"), "", SW_SHOWNORMAL, nullptr, directory), std::nullopt);
  const DWORD error = GetLastError();
  EXPECT_NE(error, 0u);
  EXPECT_FALSE(SystemErrorText(error).empty());
}

TEST(Processes, ProgramsAreFoundWhereAPlainStartLooks) {
  const std::string here = FullPath(".");
  const std::string probeName = kProbe.substr(kProbe.find_last_of('\\') + 1);
  // Named with a folder: as given, made whole.
  EXPECT_EQ(FindProgram(kProbe, here, ""), kProbe);
  EXPECT_EQ(FindProgram(kProbe + "x", here, ""), std::nullopt);
  // A bare name: the program's own folder (the tests' folder holds the
  // probe), the current directory, the system folders, then the path.
  EXPECT_EQ(FindProgram(probeName, "C:\\nowhere", ""), kProbe);
  const std::string zipFolder = FullPath("fixtures\\zip");
  EXPECT_EQ(FindProgram("basic.jar", zipFolder, ""), zipFolder + "\\basic.jar");
  EXPECT_EQ(FindProgram("basic.jar", here, "C:\\nowhere;;" + zipFolder), zipFolder + "\\basic.jar");
  EXPECT_EQ(FindProgram("basic.jar", here, "C:\\nowhere"), std::nullopt);
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const auto found = FindProgram("cmd.exe", here, "");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, found->c_str(), -1,
                           (std::string(system) + "\\cmd.exe").c_str(), -1),
            CSTR_EQUAL)
      << *found;
  // A folder is no program.
  EXPECT_EQ(FindProgram("fixtures", here, ""), std::nullopt);
}

const std::string kStandin = FullPath(STANDIN_EXE);

bool Noted(const std::vector<std::string>& notes, const std::string& part) {
  for (const std::string& note : notes) {
    if (note.find(part) != std::string::npos) return true;
  }
  return false;
}

// What a wait reports, as the support log's lines.
WaitReport Noting(std::vector<std::string>& notes) {
  return [&notes](const HostEvent& event) { notes.push_back(Describe(event)); };
}

// An installer that hands over to another program and ends at once: the
// launcher waits for that one too when asked, names it, and the outcome is
// still the installer's own exit code.
TEST(Processes, WaitingForEveryProgramWaitsForWhatTheInstallerHandedOverTo) {
  std::vector<std::string> notes;
  const WaitReport note = Noting(notes);
  const std::string command = kStandin + " handover 3010 " + kProbe + " 0 2000 " + kRecord;
  DWORD start = GetTickCount();
  EXPECT_EQ(RunWinProcess(command, SW_SHOWNORMAL, WaitScope::kEveryProgram, note), 3010);
  EXPECT_GE(GetTickCount() - start, 1900u);
  EXPECT_TRUE(Noted(notes, "(standin.exe) joined")) << testing::PrintToString(notes);
  EXPECT_TRUE(Noted(notes, "(probe.exe) joined")) << testing::PrintToString(notes);
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.back(), "job: the last program ended after 2 s");
  // As it always was without the key: the installer alone.
  start = GetTickCount();
  EXPECT_EQ(RunWinProcess(command, SW_SHOWNORMAL, WaitScope::kStartedProgram, note), 3010);
  EXPECT_LT(GetTickCount() - start, 1500u);
}

// One real bootstrapper, made by NSIS: its Exec does not wait.
TEST(Processes, ARealBootstrapperIsWaitedForWithTheProgramItStarted) {
  std::vector<std::string> notes;
  const std::string bootstrapper = FullPath(BOOTSTRAP_EXE);
  DWORD start = GetTickCount();
  EXPECT_EQ(RunWinProcess(bootstrapper, SW_SHOWNORMAL, WaitScope::kEveryProgram,
                          Noting(notes)),
            0);
  EXPECT_GE(GetTickCount() - start, 2400u);
  EXPECT_TRUE(Noted(notes, "(probe.exe) joined")) << testing::PrintToString(notes);
  start = GetTickCount();
  EXPECT_EQ(RunWinProcess(bootstrapper, SW_SHOWNORMAL, WaitScope::kStartedProgram), 0);
  EXPECT_LT(GetTickCount() - start, 2000u);
}

// The shell starts no program suspended: the elevated one joins the job
// once it runs.
TEST(Processes, AnElevatedStartJoinsTheJobToo) {
  std::vector<std::string> notes;
  EXPECT_EQ(StartElevated(kStandin, "handover 5 " + kProbe + " 0 300 " + kRecord, SW_SHOWNORMAL, nullptr,
                          FullPath("."), WaitScope::kEveryProgram,
                          Noting(notes)),
            5);
  EXPECT_TRUE(Noted(notes, "job: the last program ended")) << testing::PrintToString(notes);
}

// A window that counts what reaches it while the launcher waits.
struct Counts {
  std::atomic<int> paints{0}, sent{0}, clicks{0};
};

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* counts = reinterpret_cast<Counts*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (counts) {
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      ++counts->paints;
      return 0;
    }
    if (message == WM_APP) return ++counts->sent;
    if (message == WM_LBUTTONDOWN) ++counts->clicks;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Processes, WaitingKeepsPaintingAndServingOtherThreadsButHoldsClicks) {
  WNDCLASSA c{};
  c.lpfnWndProc = CountingProc;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = "CountingWindow";
  RegisterClassA(&c);
  HWND window = CreateWindowExA(0, "CountingWindow", "waiting", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  Counts counts;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counts));
  UpdateWindow(window);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  counts.paints = 0;

  DWORD_PTR answer = 0;
  bool answered = false;
  DeleteFileA(kRecord.c_str());
  std::thread other([&] {
    // The probe writes its record as it starts: the launcher is waiting then.
    test::WaitFor([] { return GetFileAttributesA(kRecord.c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000);
    PostMessageA(window, WM_LBUTTONDOWN, 0, 0);
    InvalidateRect(window, nullptr, FALSE);  // as if uncovered
    answered = SendMessageTimeoutA(window, WM_APP, 0, 0, SMTO_NORMAL, 3000, &answer) != 0;
  });
  EXPECT_EQ(RunWinProcess(kProbe + " 0 1500 " + kRecord, SW_SHOWNORMAL), 0);
  other.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(answer, 1u);
  EXPECT_GE(counts.paints, 1);
  EXPECT_EQ(counts.clicks, 0);  // the click waits in the queue
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(counts.clicks, 1);
  DestroyWindow(window);
}

// What the user clicked and typed while the launcher waited goes unhandled;
// a close box or Alt+F4 is a close asked for, kept for the window.
TEST(Waiting, InputThatArrivedDuringAWaitIsDroppedButACloseIsKept) {
  HWND window = CreateWindowExA(0, "STATIC", "waiting", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  PostMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(child, WM_LBUTTONUP, 0, 0);
  PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(window, WM_KEYUP, VK_RETURN, 0);
  PostMessageA(window, WM_NCLBUTTONDOWN, HTCLOSE, 0);
  PostMessageA(window, WM_SYSKEYDOWN, VK_F4, 0);
  PostMessageA(window, WM_APP, 0, 0);  // not input: it stays
  const DroppedInput dropped = DropInput();
  EXPECT_EQ(dropped.clicks, 2);
  EXPECT_EQ(dropped.keys, 1);
  EXPECT_EQ(dropped.closeAskedOf, std::vector<HWND>{window});
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
  DestroyWindow(window);
}

TEST(Foreground, RestoresAMinimisedWindowAndLeavesTheForegroundAlone) {
  HWND first = CreateWindowExA(0, "STATIC", "first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  HWND second = CreateWindowExA(0, "STATIC", "second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  UINT before = 0, after = 0;
  SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &before, 0);

  EXPECT_TRUE(ForceForegroundWindow(first));
  EXPECT_EQ(GetForegroundWindow(), first);
  EXPECT_TRUE(ForceForegroundWindow(first));  // already in front: nothing to do

  // Both windows belong to this thread, so attaching fails and the switch
  // takes the time-out path, which must put the system's value back.
  ShowWindow(second, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(second));
  EXPECT_TRUE(ForceForegroundWindow(second));
  EXPECT_FALSE(IsIconic(second));
  EXPECT_EQ(GetForegroundWindow(), second);
  SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &after, 0);
  EXPECT_EQ(after, before);
  DestroyWindow(first);
  DestroyWindow(second);
}

}  // namespace
}  // namespace launcher
