// What became of each action, what the user is told of it, and what the
// support log says.
#include <gtest/gtest.h>

#include <map>

#include "core/CommandLine.h"
#include "core/LauncherSession.h"
#include "core/LoggedHost.h"
#include "core/Selection.h"
#include "core/TestFiles.h"
#include "core/Texts.h"
#include "sim/DiscFolderHost.h"
#include "sim/RecordingView.h"
#include "sim/ScriptedHost.h"

namespace launcher {
namespace {

using Lines = std::vector<std::string>;

TEST(Outcome, ExitCodesMeanWhatWindowsInstallerMeansByThem) {
  const std::vector<int32_t> none, listed = {2, 3010}, cancels = {1, 2, 3}, zero = {0};
  struct Row {
    int32_t code;
    const std::vector<int32_t>& successCodes;
    const std::vector<int32_t>& cancelCodes;
    Verdict verdict;
  };
  const Row rows[] = {
      {0, none, none, Verdict::kSucceeded},          {2, listed, none, Verdict::kSucceeded},
      {3010, none, none, Verdict::kRestartNeeded},   {3011, none, none, Verdict::kRestartNeeded},
      {3010, listed, none, Verdict::kSucceeded},     {1641, none, none, Verdict::kRestartStarted},
      {1602, none, none, Verdict::kCancelled},       {1223, none, none, Verdict::kCancelled},
      {1603, none, none, Verdict::kFailed},          {2, none, none, Verdict::kFailed},
      {-2, none, none, Verdict::kFailed},
      // An installer's own cancel codes; a code in both lists succeeds.
      {1, none, cancels, Verdict::kCancelled},       {2, listed, cancels, Verdict::kSucceeded},
      {0, none, zero, Verdict::kSucceeded},          {4, none, cancels, Verdict::kFailed},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VerdictOfExitCode(row.code, row.successCodes, row.cancelCodes), row.verdict) << row.code;
  }
}

TEST(Outcome, SuccessCodesAreCommaSeparatedWholeNumbers) {
  EXPECT_EQ(ParseExitCodes("0"), std::vector<int32_t>{0});
  EXPECT_EQ(ParseExitCodes("0, 1,3010"), (std::vector<int32_t>{0, 1, 3010}));
  EXPECT_EQ(ParseExitCodes("-1"), std::vector<int32_t>{-1});
  for (const char* wrong : {"", "1,,2", "one", "1;2", "1 2", "0x10", "1,"}) {
    EXPECT_EQ(ParseExitCodes(wrong), std::nullopt) << wrong;
  }
}

class ActionOutcomeTest : public testing::Test {
 protected:
  ActionOutcomeTest() {
    host.configuration = {{"RegKey", "HKLM\\x"}};
    host.fileExists = [this](const std::string& name) { return name == present; };
    state.CurrentDiscTitle = state.LauncherDiscTitle = "Disc";
  }
  ActionResult Run(const std::string& action, const ActionOptions& options = {}) {
    return SingleAction(host, state, host.Config(), {action, false, "", options});
  }
  ScriptedHost host;
  ActionState state;
  std::string present = "setup.exe";
};

TEST_F(ActionOutcomeTest, EveryWayAnActionEndsHasItsVerdict) {
  host.startResult = 1603;
  ActionResult result = Run("setup.exe");
  EXPECT_EQ(result.verdict, Verdict::kFailed);
  EXPECT_EQ(result.code, 1603);
  ActionOptions codes;
  codes.SuccessCodes = {1603};
  EXPECT_EQ(Run("setup.exe", codes).verdict, Verdict::kSucceeded);
  // An installer's own code for "the user cancelled" (1 for many).
  host.startResult = 1;
  codes.CancelCodes = {1};
  result = Run("setup.exe", codes);
  EXPECT_EQ(result.verdict, Verdict::kCancelled);
  EXPECT_EQ(result.code, 1);
  host.startResult = 1603;
  host.startResult = std::nullopt;  // not started
  host.startError = 5;
  result = Run("setup.exe");
  EXPECT_EQ(result.verdict, Verdict::kFailed);
  EXPECT_EQ(result.code, 5);  // the system's error number
  // A program that ran and ended with -1 is no start that failed: it failed
  // with that code, and no unrelated system message is shown for it.
  host.startResult = -1;
  host.events.clear();
  result = Run("setup.exe");
  EXPECT_EQ(result.verdict, Verdict::kFailed);
  EXPECT_EQ(result.code, -1);
  EXPECT_EQ(host.events, (std::vector<std::string>{"start: setup.exe"}));
  // Questions answered with Cancel.
  EXPECT_EQ(Run("missing.exe").verdict, Verdict::kCancelled);
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]setup.exe").verdict, Verdict::kCancelled);
  // A message and the exit action are done when shown.
  EXPECT_EQ(Run("[DIALOG]hello").verdict, Verdict::kSucceeded);
  EXPECT_EQ(Run("$EXIT$").verdict, Verdict::kSucceeded);
  host.registryError = "Invalid data type for 'PathName'";
  EXPECT_EQ(Run("setup.exe").verdict, Verdict::kFailed);
}

const std::map<std::string, std::string> kKeys = {
    {"InstallCompleteMessage", "Done.<br>Bye."},
    {"InstallFailedMessage", "Not installed:"},
    {"InstallRestartMessage", "Restart<br>now."},
};

std::string Completion(const std::vector<InstallRunEntry>& entries, bool withKeys) {
  const ConfigLookup config = [withKeys](const std::string& key) {
    const auto found = kKeys.find(key);
    if (found == kKeys.end() || (!withKeys && key != "InstallCompleteMessage")) return std::string();
    return found->second;
  };
  return CompletionText(config, entries, [](std::string_view s) { return UpperCaseInCodePage(1252, s); });
}

TEST(Outcome, TheCompletionTextListsWhatWasNotInstalledWhenTheDiscAsks) {
  const InstallRunEntry ok{"A", Verdict::kSucceeded, 0}, failed{"B", Verdict::kFailed, 1603},
      cancelled{"C", Verdict::kCancelled, 1602}, restart{"D", Verdict::kRestartNeeded, 3010},
      started{"E", Verdict::kRestartStarted, 1641};
  EXPECT_EQ(Completion({ok}, true), "Done.\n\rBye.");
  EXPECT_EQ(Completion({ok, failed, cancelled}, true), "Done.\n\rBye.\n\r\n\rNot installed:\n\rB\n\rC");
  EXPECT_EQ(Completion({failed, cancelled}, true), "Done.\n\rBye.\n\r\n\rNot installed:\n\rB\n\rC");
  EXPECT_EQ(Completion({ok, restart}, true), "Done.\n\rBye.\n\r\n\rRestart\n\rnow.");
  EXPECT_EQ(Completion({started, failed}, true), "Done.\n\rBye.\n\r\n\rNot installed:\n\rB\n\r\n\rRestart\n\rnow.");
  // Without the keys the text is the completion message alone, whatever happened.
  for (const auto& entries : {std::vector<InstallRunEntry>{ok}, {failed, cancelled}, {restart, started}}) {
    EXPECT_EQ(Completion(entries, false), "Done.\n\rBye.");
  }
}

class StringLog : public LogSink {
 public:
  void Write(const std::string& line) override { lines.push_back(line); }
  Lines lines;
};

// The launcher's session on a disc whose components end in different ways,
// logged as the launcher logs it.
class ResultsDiscTest : public testing::Test {
 protected:
  explicit ResultsDiscTest(const std::string& disc = "results")
      : host(test::Fixture("e2e/" + disc), "en-US", 6), logged(host, &log), session(logged, view) {
    host.MountAsDriveD();
    host.fileExists = [](const std::string& name) { return name == "record.txt"; };
    host.exitCodes = {{1, 0}, {2, 1603}, {3, 3010}};
    host.answers = {false};  // Cancel for the missing file
    session.FormCreate();
  }
  bool Logged(const std::string& line) const {
    return std::find(log.lines.begin(), log.lines.end(), line) != log.lines.end();
  }
  DiscFolderHost host;
  StringLog log;
  LoggedHost logged;
  RecordingView view;
  LauncherSession session;
};

TEST_F(ResultsDiscTest, AnInstallRunSaysWhatWasNotInstalledAndThatWindowsMustRestart) {
  session.InstallButtonClick({"Action1,Action2,Action3,Action4", false, ""}, "Components");
  session.btnInstallClick();
  EXPECT_EQ(host.events.back(), "foreground");
  EXPECT_EQ(host.events[host.events.size() - 2],
            "info: Results | Done.\\n\\r\\n\\rNot installed:\\n\\rFails\\n\\rMissing\\n\\r\\n\\rPlease restart.");
  EXPECT_TRUE(Logged("start-up: directory D:, languages en-US, section ENT, "
                     "com/vestrel/integration/tools/launcher/launcher_windows.properties with 26 keys in the "
                     "system's code page"));
  EXPECT_TRUE(Logged("language: not on the disc: com/vestrel/integration/tools/launcher/launcher_windows_en_US.properties "
                     "com/vestrel/integration/tools/launcher/launcher_windows_en.properties"));
  EXPECT_TRUE(Logged("click: menu button Components -> Action1,Action2,Action3,Action4"));
  EXPECT_TRUE(Logged("click: install"));
  EXPECT_TRUE(Logged("file: record.txt (found)"));
  EXPECT_TRUE(Logged("start: probe.exe 1603 record.txt"));
  EXPECT_TRUE(Logged("exit code: 1603"));
  EXPECT_TRUE(Logged("outcome: Zero: succeeded"));
  EXPECT_TRUE(Logged("outcome: Fails: failed (code 1603)"));
  EXPECT_TRUE(Logged("outcome: Restart: succeeded, restart needed (code 3010)"));
  EXPECT_TRUE(Logged("file: missing.exe (not found)"));
  EXPECT_TRUE(Logged("retry-cancel: Missing | missing.exe\\n\\rnot found -> Cancel"));
  EXPECT_TRUE(Logged("outcome: Missing: cancelled"));
}

TEST_F(ResultsDiscTest, AFailingMenuProgramIsReportedUnderItsCaption) {
  host.exitCodes = {{1, 1603}};
  session.InstallButtonClick({"probe.exe 1603 record.txt", false, ""}, "Broken");
  EXPECT_EQ(host.events, (Lines{"start: probe.exe 1603 record.txt", "info: Results | Not installed:\\n\\rBroken",
                                "foreground"}));
  EXPECT_TRUE(Logged("outcome: Broken: failed (code 1603)"));
}

class PlainResultsDiscTest : public ResultsDiscTest {
 protected:
  PlainResultsDiscTest() : ResultsDiscTest("results-plain") {}
};

TEST_F(PlainResultsDiscTest, WithoutTheKeysNothingIsAdded) {
  session.InstallButtonClick({"Action1,Action2,Action3,Action4", false, ""}, "Components");
  session.btnInstallClick();
  EXPECT_EQ(host.events[host.events.size() - 2], "info: Results | Done.");
  host.events.clear();
  host.exitCodes = {{4, 1603}};
  session.InstallButtonClick({"probe.exe 1603 record.txt", false, ""}, "Broken");
  EXPECT_EQ(host.events, Lines{"start: probe.exe 1603 record.txt"});
}

}  // namespace
}  // namespace launcher
