#include <gtest/gtest.h>

#include <map>

#include "sim/RecordingView.h"
#include "sim/ScriptedHost.h"
#include "core/QuietRun.h"
#include "core/Selection.h"
#include "core/Texts.h"

namespace launcher {
namespace {

using Events = std::vector<std::string>;

std::string Upper(std::string_view s) { return UpperCaseInCodePage(1252, s); }

std::vector<std::string> Filled(const std::string& list, size_t size) {
  std::vector<LaunchAct> entries(size);
  const size_t n = FillExecutionList(list, entries);
  std::vector<std::string> out;
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].Selected, i < n) << list;
    out.push_back(entries[i].Action);
  }
  return out;
}

TEST(Selection, CompoundListsFillTheEntriesInOrderWithoutGaps) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Filled("Action12,Action3", 4), (V{"Action12", "Action3", "", ""}));
  EXPECT_EQ(Filled("Action3", 2), (V{"Action3", ""}));
  EXPECT_EQ(Filled("Action1, Action2 ", 2), (V{"Action1", " Action2 "}));  // items stay untrimmed
  // Empty items are dropped, so that row r is always entry r.
  EXPECT_EQ(Filled(",Action1,,Action2,", 4), (V{"Action1", "Action2", "", ""}));
  // More items than entries: the first ones are kept, nothing past the end.
  EXPECT_EQ(Filled("Action1,Action2,Action3", 2), (V{"Action1", "Action2"}));
  EXPECT_EQ(Filled("Action1", 0), V{});
  EXPECT_EQ(Filled("Action5,Action5", 3), (V{"Action5", "Action5", ""}));
}

TEST(Selection, EntryNumbersDescriptionsAndStages) {
  EXPECT_EQ(EntryNumberOf("Action12", Upper), "12");
  EXPECT_EQ(EntryNumberOf("action3", Upper), "3");
  EXPECT_EQ(EntryNumberOf(" Action3", Upper), " 3");
  EXPECT_EQ(DescriptionText("first\\nsecond\\Nthird"), "first\n\rsecond\n\rthird");
  EXPECT_EQ(DescriptionText("a<br>b\\x\\"), "a<br>b\\x\\");
  EXPECT_EQ(StageIndexFor("DEFINE"), 0);
  EXPECT_EQ(StageIndexFor("DEPLOY"), 4);
  for (const char* other : {"MANAGE", "Manage", "XYZ", "", "define"}) EXPECT_EQ(StageIndexFor(other), 5) << other;
}

class RunSelectionTest : public testing::Test {
 protected:
  RunSelectionTest() {
    host.configuration = {{"LauncherTitle", "Orbit"},
                          {"InstallProgressMessage", "Now installing:"},
                          {"InstallCompleteMessage", "Done.<br>Thank you."}};
    host.fileExists = [](const std::string& name) { return name.find("missing") == std::string::npos; };
    state.CurrentDiscTitle = state.LauncherDiscTitle = "Orbit disc";
    for (int n = 1; n <= 5; ++n) {
      table.push_back({"setup.exe c" + std::to_string(n) + ".cmp", "Component " + std::to_string(n), "", false, ""});
    }
  }

  Events Run(std::vector<LaunchAct> entries) {
    host.events.clear();
    RunSelection(host, view, state, host.Config(), table, entries);
    return host.events;
  }

  static std::string Notice(int n) {
    return "notice: Orbit | Now installing:\\n\\r\\n\\rComponent " + std::to_string(n) + " (5 s)";
  }

  ScriptedHost host;
  RecordingView view{[this](HostEvent event) { host.Record(std::move(event)); }};
  ActionState state;
  std::vector<Actions> table;
};

TEST_F(RunSelectionTest, RunsSelectedEntriesInListOrderEachAfterItsNotice) {
  const Events expected = {Notice(5), "foreground", "start: setup.exe c5.cmp",
                           Notice(2), "foreground", "start: setup.exe c2.cmp",
                           Notice(2), "foreground", "start: setup.exe c2.cmp",
                           "info: Orbit | Done.\\n\\rThank you.", "foreground"};
  EXPECT_EQ(Run({{"Action5", true}, {"Action1", false}, {"Action2", true}, {"action2", true}, {"", false}}), expected);
}

TEST_F(RunSelectionTest, NothingSelectedShowsNothingButComesToTheFront) {
  EXPECT_EQ(Run({{"Action1", false}, {"", false}}), Events{"foreground"});
}

TEST_F(RunSelectionTest, FailedActionsStillCountAndAssistedEntriesStartAssisted) {
  table[0].Action = "missing.exe";
  table[1].Assist = true;
  table[1].AssistText = "-silent";
  host.currentDirectory = "E:";
  const Events events = Run({{"Action1", true}, {"Action2", true}});
  EXPECT_EQ(events[2], "retry-cancel:  | missing.exe -> Cancel");
  EXPECT_EQ(events[6], "start assisted: \"E:\\setup.exe\" c2.cmp -silent");
  EXPECT_EQ(events[7], "info: Orbit | Done.\\n\\rThank you.");
}

TEST_F(RunSelectionTest, AnEntryNumberThatIsNoIntegerEndsTheRun) {
  host.events.clear();
  try {
    RunSelection(host, view, state, host.Config(), table, {{"Action1", true}, {"Actionx", true}, {"Action2", true}});
    FAIL() << "no error";
  } catch (const LauncherError& error) {
    EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
  }
  EXPECT_EQ(host.events, (Events{Notice(1), "foreground", "start: setup.exe c1.cmp"}));
}

TEST_F(RunSelectionTest, NumbersOutsideTheTableAreSkippedWithAMessage) {
  const Events events = Run({{"Action9", true}, {"Action0", true}, {"Action1", true}});
  EXPECT_EQ(events[0], "error: 'Action9' names no configured action (there are 5); it was skipped");
  EXPECT_EQ(events[1], "error: 'Action0' names no configured action (there are 5); it was skipped");
  EXPECT_EQ(events[2], Notice(1));
  EXPECT_EQ(events.back(), "foreground");
}

TEST_F(RunSelectionTest, AnExitActionInTheMiddleLetsTheOthersRun) {
  table[1].Action = "$EXIT$";
  const Events events = Run({{"Action1", true}, {"Action2", true}, {"Action3", true}});
  EXPECT_EQ(events, (Events{Notice(1), "foreground", "start: setup.exe c1.cmp", Notice(2), "foreground",
                            "close main window", Notice(3), "foreground", "start: setup.exe c3.cmp",
                            "info: Orbit | Done.\\n\\rThank you.", "foreground"}));
}

// A close asked for while a component runs is held: that component ends,
// no further one starts, and the completion message names them all.
TEST_F(RunSelectionTest, AskedToCloseDuringTheFirstComponentTheOthersAreNotStarted) {
  host.configuration["InstallFailedMessage"] = "Not installed:";
  host.closeRequestedFromStart = 1;
  const Events events = Run({{"Action1", true}, {"Action2", true}, {"Action3", true}});
  EXPECT_EQ(events, (Events{Notice(1), "foreground", "start: setup.exe c1.cmp",
                            "info: Orbit | Done.\\n\\rThank you.\\n\\r\\n\\rNot installed:\\n\\rComponent 2\\n\\r"
                            "Component 3",
                            "foreground"}));
  std::vector<std::string> outcomes;
  for (const HostEvent& event : host.log) {
    if (event.kind == HostEvent::Kind::kOutcome) outcomes.push_back(Describe(event));
  }
  EXPECT_EQ(outcomes, (Events{"outcome: Component 1: succeeded", "outcome: Component 2: cancelled",
                              "outcome: Component 3: cancelled"}));
}

// The components' own keys reach the action runner.
TEST_F(RunSelectionTest, AComponentWithWaitForAllWaitsForEveryProgramItsInstallerStarts) {
  table[1].Options.WaitForAll = true;
  const Events events = Run({{"Action1", true}, {"Action2", true}});
  EXPECT_EQ(events[2], "start: setup.exe c1.cmp");
  EXPECT_EQ(events[5], "start: setup.exe c2.cmp (waiting for every program it starts)");
}

// The option keys as a disc spells them, read into the table at start-up;
// an installer's own cancel code makes its component cancelled, in the
// completion message and in the unattended run's exit code.
TEST_F(RunSelectionTest, AnInstallersOwnCancelCodeCountsAsCancelled) {
  host.configuration["CancelCodes2"] = "1, 5";
  host.configuration["SuccessCodes2"] = "5";
  host.configuration["Check2"] = "c2.ini";
  for (size_t n = 1; n <= table.size(); ++n) {
    host.configuration["Action" + std::to_string(n)] = table[n - 1].Action;
    host.configuration["Text" + std::to_string(n)] = table[n - 1].Text;
    host.configuration["Assist" + std::to_string(n)] = "False";
  }
  FillActionTable(host.Config(), table);
  EXPECT_EQ(table[1].Options.CancelCodes, (std::vector<int32_t>{1, 5}));
  EXPECT_EQ(table[1].Options.Check, "c2.ini");
  EXPECT_TRUE(table[0].Options.CancelCodes.empty());
  host.exitCodes = {{2, 1}};
  state.Quiet = true;
  InstallRun run = RunSelection(host, view, state, host.Config(), table, {{"Action1", true}, {"Action2", true}});
  EXPECT_EQ(run.entries[1].verdict, Verdict::kCancelled);
  EXPECT_EQ(QuietExitCode(run.entries), kExitUserCancelled);
  host.exitCodes = {{2, 5}};  // in both lists: succeeded
  run = RunSelection(host, view, state, host.Config(), table, {{"Action2", true}});
  EXPECT_EQ(run.entries[0].verdict, Verdict::kSucceeded);
}

}  // namespace
}  // namespace launcher
