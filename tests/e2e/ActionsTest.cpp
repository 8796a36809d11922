#include "e2e/ActionsDisc.h"

#include <fstream>

#include "core/Selection.h"

namespace launcher::test {
namespace {

TEST_F(ActionsTest, AMenuButtonStartsItsProgramFromTheDiscAndWaits) {
  ClickMenu(1);
  ASSERT_TRUE(WaitFor([] { return Recorded("record-menu.txt").size() == 1; }));
  EXPECT_EQ(Recorded("record-menu.txt")[0], "probe.exe 3 record-menu.txt");
  std::ifstream in(DiscFile("record-menu.txt"));
  std::string line;
  std::getline(in, line);
  char folder[MAX_PATH];
  GetFullPathNameA(kDisc.c_str(), sizeof folder, folder, nullptr);
  std::string expectedFolder(folder);
  for (char& c : expectedFolder) c = c == '/' ? '\\' : c;
  EXPECT_NE(line.find("|" + expectedFolder + "|"), std::string::npos) << line;
  EXPECT_TRUE(IsWindowVisible(window_));
}

TEST_F(ActionsTest, AMissingFileAsksAndRetryFindsItOnceItIsThere) {
  ClickMenu(2);
  HWND form = WaitForVisibleWindow("TDialogRetryCancelForm", 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  WaitUntilPainted(form);
  EXPECT_EQ(WindowText(form), "Missing");
  EXPECT_EQ(WindowText(GetDlgItem(form, 1000)), "later.txt\n\rwas not found.\n\rInsert Actions disc.");
  CopyFileA(PROBE_EXE, DiscFile("later.exe").c_str(), FALSE);
  Create("later.txt");
  PostMessageA(GetDlgItem(form, IDRETRY), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([] { return Recorded("later.txt").size() == 1; }));
  EXPECT_EQ(Recorded("later.txt")[0], "later.exe 0 later.txt");
}

TEST_F(ActionsTest, ADiscChangeAsksOnceForTheSameDisc) {
  ClickMenu(3);
  Answer asked = AnswerWindow(*launcher_, "TDialogOKCancelForm", IDOK);
  EXPECT_EQ(asked.title, "Insert disc");
  EXPECT_EQ(asked.text, "Please insert:\n\rSecond disc\n\rnow.");
  ASSERT_TRUE(WaitFor([] { return Recorded("record-disc.txt").size() == 1; }));
  ASSERT_TRUE(ProgramsEnded());
  ClickMenu(3);  // Second disc is now the current disc: no question
  ASSERT_TRUE(WaitFor([] { return Recorded("record-disc.txt").size() == 2; }));
  EXPECT_EQ(WaitForVisibleWindow("TDialogOKCancelForm", 300, launcher_->ProcessId()), nullptr);
}

TEST_F(ActionsTest, AMessageActionShowsItsTwoLinesThenBringsTheLauncherBack) {
  ClickMenu(4);
  Answer shown = AnswerWindow(*launcher_, "TDialogInfoForm", IDOK);
  EXPECT_EQ(shown.title, "About");
  EXPECT_EQ(shown.text, "Line one\n\rLine two");
  // After the message the launcher's application window is brought to the
  // front, which activates the main window it owns.
  EXPECT_TRUE(WaitFor([&] {
    DWORD process = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &process);
    return process == launcher_->ProcessId();
  }, 3000));
}

TEST_F(ActionsTest, AProgramThatCannotStartShowsTheSystemsMessage) {
  ClickMenu(5);
  MessageBoxSeen box = launcher_->AnswerMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.title, "Actions");
  char expected[256];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                ERROR_FILE_NOT_FOUND, 0, expected, sizeof expected, nullptr);
  std::string text(expected, length);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) text.pop_back();
  EXPECT_EQ(box.text, text);
}

// The registry read fails deep inside the host; the failure must travel
// back to the click's handler through every frame and end in the error box,
// with the launcher still there.
TEST_F(ActionsTest, ARegistryValueOfTheWrongTypeEndsTheClickInTheErrorBox) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\DiscLauncherE2E", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExA(key, "PathName", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  ClickMenu(1);
  MessageBoxSeen box = launcher_->AnswerMessageBox();
  RegDeleteValueA(key, "PathName");
  RegCloseKey(key);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.text, "Invalid data type for 'PathName'");  // no full stop after a quote
  EXPECT_EQ(Recorded("record-menu.txt").size(), 0u);
  EXPECT_TRUE(IsWindow(window_));
  ClickMenu(7);
  EXPECT_EQ(launcher_->WaitForExit(), 0u);
}

TEST_F(ActionsTest, ExitEndsTheLauncherWithCodeZero) {
  ClickMenu(7);
  EXPECT_EQ(launcher_->WaitForExit(), 0u);
}

TEST_F(ActionsTest, TheSelectionPageInstallsTheCheckedRowsInOrder) {
  ASSERT_TRUE(OpenChecklist(6));
  HWND list = List();
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, row, 0), 1) << row;
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);

  // Pointing at a row selects it and lights its stage: row 1 is TEST.
  POINT row1{18 + 100, 163 + 13 + 6};
  launcher_->MoveTo(window_, row1.x, row1.y);
  ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 1; }, 3000));
  ASSERT_TRUE(WaitFor([&] { return StageLit(window_, kTest); }, 3000));
  for (int stage : {kDefine, kDesign, kDevelop, kDeploy, kManage}) EXPECT_FALSE(StageLit(window_, stage)) << stage;
  CreateDirectoryA("artifacts", nullptr);
  SaveScreenshot(window_, "artifacts/selection-page.bmp");
  launcher_->MoveTo(window_, 18 + 100, 163 + 6);  // row 0: DESIGN
  ASSERT_TRUE(WaitFor([&] { return StageLit(window_, kDesign); }, 3000));
  EXPECT_FALSE(StageLit(window_, kTest));

  // Uncheck the first row on its box, then install.
  launcher_->ClickAt(window_, 18 + 6, 163 + 6);
  ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETITEMDATA, 0, 0) == 0; }, 3000));
  launcher_->ClickAt(window_, 440, 385);
  Answer notice{};
  HWND delay = WaitForVisibleWindow("TDialogDelayForm", 10000, launcher_->ProcessId());
  ASSERT_NE(delay, nullptr);
  notice.text = WindowText(GetDlgItem(delay, 1000));
  EXPECT_EQ(notice.text, "Installing:\n\r\n\rSecond part");
  EXPECT_EQ(WindowText(delay), "Actions");
  EXPECT_NE(FrontPage(), GetParent(list));  // the menu page is in front during the run
  // Two notices of 5 seconds each come first.
  Answer done = AnswerWindow(*launcher_, "TDialogInfoForm", IDOK, 2 * kNoticeSeconds * 1000 + 10000);
  EXPECT_EQ(done.title, "Actions");
  EXPECT_EQ(done.text, "All done.\n\rBye.");
  EXPECT_EQ(Recorded("record-run.txt"), (std::vector<std::string>{"probe.exe 2 record-run.txt", "probe.exe 3 record-run.txt"}));

  // Cancel returns to the menu; the next compound click starts afresh.
  ClickMenu(6);
  ASSERT_TRUE(WaitFor([&] { return FrontPage() == GetParent(list); }, 3000));
  for (int row = 0; row < 3; ++row) EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, row, 0), 1) << row;
  launcher_->ClickAt(window_, 480, 385);
  ASSERT_TRUE(WaitFor([&] { return FrontPage() != GetParent(list); }, 3000));
}

}  // namespace
}  // namespace launcher::test
