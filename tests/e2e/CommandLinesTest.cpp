// Command lines as disc authors write them, from a disc whose folder has a
// blank in its name: programs in quotes, arguments after the program, and
// $PWD and assisted starts that must not break at the folder's blank.
#include <fstream>

#include "core/Selection.h"
#include "e2e/ActionsDisc.h"
#include "e2e/LoggedLauncher.h"

namespace launcher::test {
namespace {

const std::string kProductDisc = "fixtures/e2e/Product Disc";

// The disc's folder as Windows names it, with backslashes.
std::string DiscFolder() {
  std::string folder = FullPath(kProductDisc);
  for (char& c : folder) c = c == '/' ? '\\' : c;
  return folder;
}

class CommandLinesTest : public LoggedLauncherTest {
 protected:
  CommandLinesTest() : LoggedLauncherTest("command-lines.log") {}
  void SetUp() override {
    CreateDirectoryA((kProductDisc + "/Setup Files").c_str(), nullptr);
    CreateDirectoryA((kProductDisc + "/Data Files").c_str(), nullptr);
    for (const char* folder : {"", "/Setup Files"}) {
      CopyFileA(PROBE_EXE, (kProductDisc + folder + "/probe.exe").c_str(), FALSE);
      DeleteFileA((kProductDisc + folder + "/probe-record.txt").c_str());
    }
    DeleteFileA((kProductDisc + "/Data Files/pkg.dat").c_str());
    Start(kProductDisc);
  }
  // The command lines the probe in `folder` was started with.
  static std::vector<std::string> Started(const std::string& folder = "") {
    std::ifstream in(kProductDisc + folder + "/probe-record.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('|')));
    return lines;
  }
  // Leaves only checklist row `row` checked and installs.
  void InstallOnly(int row) {
    ASSERT_TRUE(OpenChecklist(2));
    const int other = 1 - row;
    launcher_->ClickAt(window_, 18 + 6, 163 + 6 + other * 13);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(List(), LB_GETITEMDATA, other, 0) == 0; }, 3000));
    launcher_->ClickAt(window_, 440, 385);
  }
  // The log's lines of the probe's starts, once the launcher has ended.
  std::vector<std::string> LoggedStarts() {
    std::vector<std::string> starts;
    for (const std::string& event : EndAndReadLog()) {
      if (event.rfind("start", 0) == 0 && event.find("probe.exe") != std::string::npos) starts.push_back(event);
    }
    return starts;
  }
};

TEST_F(CommandLinesTest, AQuotedProgramWithAnOptionStartsWithExactlyThoseArguments) {
  ClickMenu(1);
  ASSERT_TRUE(WaitFor([] { return Started("/Setup Files").size() == 1; }));
  EXPECT_EQ(Started("/Setup Files")[0], "\"Setup Files\\probe.exe\" /S");
  ASSERT_TRUE(ProgramsEnded());
  EXPECT_EQ(LoggedStarts(), std::vector<std::string>{"start: \"Setup Files\\probe.exe\" /S"});
}

// The file tested is the package, not "/qn": while it is missing, the
// question names it; once it is there, the question answers itself and the
// line starts as written.
TEST_F(CommandLinesTest, AChecklistEntryTestsItsPackageAndStartsWithItsOptions) {
  InstallOnly(0);
  HWND question = WaitForVisibleWindow("TDialogRetryCancelForm", kNoticeSeconds * 1000 + 10000, launcher_->ProcessId());
  ASSERT_NE(question, nullptr);
  WaitUntilPainted(question);
  EXPECT_EQ(WindowText(GetDlgItem(question, 1000)), "Data Files\\pkg.dat\n\rwas not found.");
  std::ofstream(kProductDisc + "/Data Files/pkg.dat").close();
  ASSERT_TRUE(WaitFor([] { return Started().size() == 1; }));
  EXPECT_EQ(Started()[0], "probe.exe /i \"Data Files\\pkg.dat\" /qn");
  EXPECT_EQ(AnswerWindow(*launcher_, "TDialogInfoForm", IDOK).text, "Done.");
}

TEST_F(CommandLinesTest, PwdAndAssistedStartsQuoteTheDiscsFolder) {
  ClickMenu(3);
  ASSERT_TRUE(WaitFor([] { return Started().size() == 1; }));
  const std::string program = "\"" + DiscFolder() + "\\probe.exe\"";
  EXPECT_EQ(Started()[0], program + " /S");
  ASSERT_TRUE(ProgramsEnded());
  InstallOnly(1);
  ASSERT_TRUE(WaitFor([] { return Started().size() == 2; }, kNoticeSeconds * 1000 + 10000));
  EXPECT_EQ(Started()[1], program + " /S");
  EXPECT_EQ(AnswerWindow(*launcher_, "TDialogInfoForm", IDOK).text, "Done.");
  EXPECT_EQ(LoggedStarts(), (std::vector<std::string>{"start: " + program + " /S",
                                                      "start assisted: " + program + " /S"}));
}

}  // namespace
}  // namespace launcher::test
