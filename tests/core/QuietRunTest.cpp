// The unattended run on the launcher's own session: what runs, what is
// asked (nothing), and the exit code an administrator's tool reads.
#include "core/QuietRun.h"

#include <gtest/gtest.h>

#include "core/LauncherSession.h"
#include "core/TestFiles.h"
#include "sim/DiscFolderHost.h"
#include "sim/RecordingView.h"

namespace launcher {
namespace {

using Lines = std::vector<std::string>;

TEST(QuietRun, TheExitCodeSaysHowTheRunWent) {
  auto entry = [](Verdict verdict, int64_t code, bool ran = true) { return InstallRunEntry{"x", verdict, code, ran}; };
  const InstallRunEntry ok = entry(Verdict::kSucceeded, 0), restart = entry(Verdict::kRestartNeeded, 3010),
                        started = entry(Verdict::kRestartStarted, 1641), cancelled = entry(Verdict::kCancelled, 1602),
                        failed = entry(Verdict::kFailed, 1603), failedOwn = entry(Verdict::kFailed, 5),
                        missing = entry(Verdict::kFailed, 2, false), notStarted = entry(Verdict::kFailed, 193, false);
  struct Row {
    std::vector<InstallRunEntry> entries;
    int code;
  };
  const Row rows[] = {
      {{}, 0},
      {{ok, ok}, 0},
      {{ok, started, restart}, 1641},
      {{restart, ok}, 3010},
      {{cancelled, ok}, 1602},
      {{restart, cancelled}, 3010},
      {{ok, failedOwn, failed}, 5},  // the first failed component's own code
      {{restart, failed}, 1603},
      {{missing, failedOwn}, 1603},  // no code of its own
      {{notStarted}, 1603},
  };
  for (const Row& row : rows) EXPECT_EQ(QuietExitCode(row.entries), row.code) << testing::PrintToString(row.code);
}

class QuietRunTest : public testing::Test {
 protected:
  QuietRunTest() : host(test::Fixture("e2e/quiet"), "en-US", 6), session(host, view) {
    host.MountAsDriveD();
    session.FormCreate();
    host.events.clear();
  }
  int Run(const std::string& commandLine) {
    host.events.clear();
    return session.RunQuietly(ReadArguments(commandLine));
  }
  Lines Outcomes() const {
    Lines outcomes;
    for (const HostEvent& event : host.log) {
      if (event.kind == HostEvent::Kind::kOutcome) outcomes.push_back(Describe(event));
    }
    return outcomes;
  }

  DiscFolderHost host;
  RecordingView view{[this](HostEvent event) { host.Record(std::move(event)); }};
  LauncherSession session;
};

TEST_F(QuietRunTest, AChecklistButtonRunsEveryEntryWithoutNoticesOrMessages) {
  host.exitCodes = {{2, 3010}};
  EXPECT_EQ(Run("/quiet /button 1"), kExitRestartRequired);
  EXPECT_EQ(host.events, (Lines{"start: probe.exe 0 1500 record.txt", "start: probe.exe 3010 1500 record.txt",
                                "start: probe.exe 0 1500 record.txt"}));
  EXPECT_EQ(Outcomes(), (Lines{"outcome: First: succeeded", "outcome: Second: succeeded, restart needed (code 3010)",
                               "outcome: Third: succeeded"}));
}

TEST_F(QuietRunTest, AListOfTheDiscsOwnFormRunsAsIfAButtonCarriedIt) {
  host.exitCodes = {{2, 1603}};
  EXPECT_EQ(Run("/quiet /run Action1,Action4,Action3"), 1603);
  EXPECT_EQ(host.events.size(), 3u);  // the failure does not end the run
  host.exitCodes.clear();
  host.startResult = 1641;
  EXPECT_EQ(Run("/quiet /run Action2"), kExitRestartStarted);
}

// Nothing waits for a person: a message is skipped, a disc is not asked for
// (the file decides), a missing file fails instead of asking to retry.
TEST_F(QuietRunTest, NothingIsAskedOrShown) {
  EXPECT_EQ(Run("/quiet /button 2"), kExitSuccess);
  EXPECT_EQ(host.events, Lines{});
  EXPECT_EQ(Run("/quiet /button 3"), kExitSuccess);
  EXPECT_EQ(host.events, Lines{"start: probe.exe 0 record.txt"});
  EXPECT_EQ(session.State().CurrentDiscTitle, "Quiet disc 2");
  EXPECT_EQ(Run("/quiet /button 4"), kExitFailure);
  EXPECT_EQ(host.events, Lines{});
  EXPECT_EQ(Outcomes().back(), "outcome: Missing: failed (code 2)");
  EXPECT_EQ(Run("/quiet /button 5"), kExitSuccess);
  EXPECT_EQ(host.events, Lines{"close main window"});
}

TEST_F(QuietRunTest, ArgumentsThatNameNothingToRunEndWith87) {
  for (const char* commandLine :
       {"/quiet", "/quiet /button 12", "/quiet /button 0", "/quiet /button x", "/quiet /button 7",
        "/quiet /button 1 /run Action1", "/quiet /run Action9", "/quiet /run setup.exe", "/quiet /run ,,",
        "/quiet /run Action1,Actionx"}) {
    EXPECT_EQ(Run(commandLine), kExitBadArguments) << commandLine;
    EXPECT_EQ(host.events, Lines{}) << commandLine;
  }
}

}  // namespace
}  // namespace launcher
