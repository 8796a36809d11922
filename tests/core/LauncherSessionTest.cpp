// The launcher's session on fixture discs, seen through the recording view
// and the scripted host: what the launcher's window would be told to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/KeyList.h"
#include "core/LauncherSession.h"
#include "core/TestFiles.h"
#include "sim/DiscFolderHost.h"
#include "sim/RecordingView.h"

namespace launcher {
namespace {

using Events = std::vector<std::string>;
constexpr int kDesign = 1, kTest = 3;

class LauncherSessionTest : public testing::Test {
 protected:
  explicit LauncherSessionTest(const std::string& disc = "actions")
      : host(test::Fixture("e2e/" + disc), "en-US", 6), session(host, view) {
    host.MountAsDriveD();
  }

  Events Lit() const {
    Events lit;
    for (size_t k = 0; k < view.litStages.size(); ++k) {
      if (view.litStages[k]) lit.push_back(kStageWords[k]);
    }
    return lit;
  }
  ActionRequest MenuButton(int n) const { return {view.menuButtons[static_cast<size_t>(n)].action, false, ""}; }

  DiscFolderHost host;
  RecordingView view{[this](HostEvent event) { host.Record(std::move(event)); }};
  LauncherSession session;
};

TEST_F(LauncherSessionTest, StartUpSetsTheMenuUpFromTheDisc) {
  session.FormCreate();
  EXPECT_EQ(view.title, "Actions");
  EXPECT_EQ(view.installCaption, "Install");
  EXPECT_EQ(view.cancelCaption, "Back");
  EXPECT_EQ(view.dialogTitle, "Choose");
  EXPECT_EQ(view.componentInfo, "About it");
  EXPECT_EQ(view.menuButtons[1].caption, "Probe");
  EXPECT_EQ(view.menuButtons[1].action, "probe.exe 3 record-menu.txt");
  EXPECT_EQ(view.menuButtons[6].widestText, "Components");  // the longest button text sizes every button
  for (int n = 1; n <= kMenuButtonCount; ++n) EXPECT_EQ(view.menuButtons[n].visible, n <= 7) << n;
  EXPECT_EQ(view.page, LauncherPage::kMenu);
  EXPECT_EQ(Lit(), Events{});
  EXPECT_EQ(host.events, Events{"page: menu"});
  EXPECT_EQ(session.State().CurrentDiscTitle, "Actions disc");
  EXPECT_EQ(session.ActionTable().size(), 3u);
  EXPECT_EQ(view.charset, kDefaultCharset);
}

// The partner's menu has a high-resolution picture; its selection page has
// one that does not decode.
TEST(LauncherSessionBackgrounds, AScaledScreenTakesTheHighResolutionPictureThatDecodesElseTheOrdinaryOne) {
  EXPECT_EQ(HighResolutionMember(SelectionBackgroundMember("Red")), std::string(kImagePrefix) + "RedPg2@2x.jpg");
  for (const bool scaled : {false, true}) {
    DiscFolderHost host(test::Fixture("e2e/partner-2x"), "en-US", 6);
    host.MountAsDriveD();
    RecordingView view;
    view.highResolution = scaled;
    LauncherSession session(host, view);
    session.FormCreate();
    EXPECT_EQ(view.menuDensity, scaled ? kHighResolutionDensity : 1) << scaled;
    EXPECT_EQ(view.selectionDensity, 1) << scaled;
  }
}

TEST_F(LauncherSessionTest, TryingADiscChangeLeavesTheDiscStateAsItWas) {
  session.FormCreate();
  host.answers = {true};
  const ActionResult tried = session.TryAction({"[DISKCHANGE:Actions disc 2]probe.exe", false, ""});
  EXPECT_EQ(tried.fileTested, "probe.exe");  // it ran: the file was looked for on the disc asked for
  EXPECT_FALSE(session.State().DiskChangePending);
  EXPECT_EQ(session.State().CurrentDiscTitle, "Actions disc");
}

TEST_F(LauncherSessionTest, AChecklistButtonFillsTheRowsAndPointingLightsTheirStages) {
  session.FormCreate();
  session.InstallButtonClick(MenuButton(6));
  EXPECT_EQ(view.rows, (Events{"First part", "Second part", "Third part"}));
  // What the pointer shows for each row is also the row's own description.
  EXPECT_EQ(view.rowDescriptions[0], "First\n\rline two");
  EXPECT_EQ(view.rowDescriptions[1], "Second");
  EXPECT_EQ(view.page, LauncherPage::kSelection);
  EXPECT_EQ(view.selectedRow, 0);
  EXPECT_EQ(view.infoText, "");  // selecting by keyboard or at opening shows nothing

  session.InstallChecksMouseMove(1);
  EXPECT_EQ(view.selectedRow, 1);
  EXPECT_EQ(view.infoText, "Second");
  EXPECT_EQ(Lit(), Events{"TEST"});
  session.InstallChecksMouseMove(0);
  EXPECT_EQ(view.infoText, "First\n\rline two");
  EXPECT_EQ(Lit(), Events{"DESIGN"});
  // Below the last row the selection stays where it was.
  session.InstallChecksMouseMove(-1);
  EXPECT_EQ(view.selectedRow, 0);
  EXPECT_EQ(Lit(), Events{"DESIGN"});
  // The same stage again changes no picture.
  view.litStages[kTest] = true;
  session.setNeon("DESIGN");
  EXPECT_TRUE(view.litStages[kTest]);
  EXPECT_TRUE(view.litStages[kDesign]);
}

TEST_F(LauncherSessionTest, InstallingRunsTheCheckedRowsWithTheirNoticesThenCompletes) {
  session.FormCreate();
  host.fileExists = [](const std::string&) { return true; };
  session.InstallButtonClick(MenuButton(6));
  session.InstallChecksClickCheck(0, false);
  host.events.clear();
  session.btnInstallClick();
  EXPECT_EQ(host.events, (Events{"page: menu", "notice: Actions | Installing:\\n\\r\\n\\rSecond part (5 s)",
                                 "foreground", "start: probe.exe 2 record-run.txt",
                                 "notice: Actions | Installing:\\n\\r\\n\\rThird part (5 s)", "foreground",
                                 "start: probe.exe 3 record-run.txt", "info: Actions | All done.\\n\\rBye.",
                                 "foreground"}));
  // Cancel on a new checklist returns to the menu with every row checked again.
  session.InstallButtonClick(MenuButton(6));
  EXPECT_TRUE(session.ActionExecArray()[0].Selected);
  session.btnCancelClick();
  EXPECT_EQ(view.page, LauncherPage::kMenu);
}

TEST_F(LauncherSessionTest, TheExitButtonClosesAndSaysSo) {
  session.FormCreate();
  EXPECT_EQ(session.InstallButtonClick(MenuButton(7)).outcome, ActionOutcome::kClosing);
  EXPECT_EQ(host.events.back(), "close main window");
}

class BrokenDiscSessionTest : public LauncherSessionTest {
 protected:
  BrokenDiscSessionTest() : LauncherSessionTest("bad-assist") {}
};

TEST_F(BrokenDiscSessionTest, AStartUpErrorLeavesWhatWasSetBeforeIt) {
  EXPECT_THROW(session.FormCreate(), LauncherError);
  EXPECT_EQ(view.title, "Error Disc");
  EXPECT_EQ(view.menuButtons[1].caption, "Still here");
  EXPECT_TRUE(session.ActionTable()[0].Assist);  // filled up to the entry that failed
  // The menu page is not brought forward and the stages stay as designed.
  EXPECT_EQ(view.page, LauncherPage::kSelection);
  EXPECT_EQ(Lit().size(), 6u);
  // Nothing stays open on a disc that may be taken out.
  EXPECT_FALSE(session.ArchiveOpen());
}

// disccheck calls a key in another letter case a mistake only when the key
// is on its list: every key the session looks up, on discs that use every
// form (programs, checklists, messages, disc changes, missing files, the
// registry, Windows Installer's wait, results), is on it, and every key of
// the list outside the buttons and entries is read on one of them. (A
// checklist naming entries that do not exist looks up their keys too;
// disccheck reports such a checklist as an error.)
TEST(KeysTheLauncherReads, ListEveryKeyTheSessionLooksUp) {
  std::set<std::string> notListed, read;
  for (const char* disc : {"e2e/actions", "e2e/waits", "e2e/results", "e2e/quiet", "e2e/machine"}) {
    DiscFolderHost host(test::Fixture(disc), "en-US", 6);
    host.MountAsDriveD();
    host.registryEntries = {"HKCU\\Software\\DiscLauncherE2E\\Machine"};  // a component installed
    host.fileExists = [](const std::string& name) { return name.find("later") == std::string::npos; };
    RecordingView view{[&](HostEvent event) { host.Record(std::move(event)); }};
    LauncherSession session(host, view);
    std::set<std::string> keys;
    session.WatchLookups([&](const std::string& key) { keys.insert(key); });
    session.FormCreate();
    for (int n = 1; n <= kMenuButtonCount; ++n) {
      const RecordingView::MenuButton button = view.menuButtons[static_cast<size_t>(n)];
      if (!button.visible || button.action == "$EXIT$") continue;
      host.answers = {true, false};  // the disc asked for is there, then Cancel
      try {
        session.InstallButtonClick(session.MenuButtonRequest(n, button.action), button.caption);
        if (view.page == LauncherPage::kSelection) {
          session.InstallChecksMouseMove(0);
          session.btnInstallClick();
        }
      } catch (const LauncherError&) {
        // the broken disc's errors: the launcher shows them and goes on
      }
    }
    const std::vector<std::string> listed = KeysTheLauncherReads(session.ActionTotal());
    for (const std::string& key : keys) {
      if (std::find(listed.begin(), listed.end(), key) == listed.end()) notListed.insert(std::string(disc) + ": " + key);
    }
    read.insert(keys.begin(), keys.end());
  }
  EXPECT_TRUE(notListed.empty()) << testing::PrintToString(notListed);
  for (const std::string& key : KeysTheLauncherReads(0)) {
    if (key.rfind("Button", 0) != 0) {
      EXPECT_TRUE(read.count(key)) << key << " is listed but never read";
    }
  }
}

}  // namespace
}  // namespace launcher
