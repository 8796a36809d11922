// A checklist that knows the machine: the text for its processor, the
// components offered on it, and what is installed already.
#include "core/Machine.h"

#include <gtest/gtest.h>

#include <map>

#include "core/Installed.h"
#include "core/LauncherSession.h"
#include "core/QuietRun.h"
#include "core/TestFiles.h"
#include "sim/DiscFolderHost.h"
#include "sim/RecordingView.h"
#include "sim/ScriptedHost.h"

namespace launcher {
namespace {

const Machine kX86{Processor::kX86, {6, 1, 7601}}, kX64{Processor::kX64, {10, 0, 19045}},
    kArm64Windows10{Processor::kArm64, {10, 0, 19045}}, kArm64Windows11{Processor::kArm64, {10, 0, 22631}};

ConfigLookup From(const std::map<std::string, std::string>& values) {
  return [values](const std::string& key) {
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
  };
}

TEST(Machine, EachProcessorTakesItsOwnTextElseThePlainOne) {
  const ConfigLookup all = From({{"Action1", "plain"}, {"Action1_x86", "x86"}, {"Action1_x64", "x64"},
                                 {"Action1_arm64", "arm64"}});
  const ConfigLookup noArm = From({{"Action1", "plain"}, {"Action1_x64", "x64"}});
  const ConfigLookup plain = From({{"Action1", "plain"}});
  struct Case {
    const Machine& machine;
    const ConfigLookup& config;
    const char* text;
  };
  const Case cases[] = {
      {kX86, all, "x86"},           {kX64, all, "x64"},          {kArm64Windows10, all, "arm64"},
      {kArm64Windows11, all, "arm64"}, {kX86, noArm, "plain"},  {kX64, noArm, "x64"},
      // Arm64 runs x64 programs from Windows 11 on, not before.
      {kArm64Windows10, noArm, "plain"}, {kArm64Windows11, noArm, "x64"}, {kArm64Windows11, plain, "plain"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ActionTextOn(c.machine, c.config, "Action1"), c.text) << ProcessorName(c.machine.processor);
  }
  EXPECT_EQ(ActionTextOn(kX64, From({{"Button2Action_x64", "b"}}), "Button2Action"), "b");
}

TEST(Machine, AComponentIsOfferedOnItsProcessorsAndFromItsWindows) {
  EXPECT_TRUE(OfferedOn(kX64, "", ""));
  EXPECT_TRUE(OfferedOn(kX64, "x86, X64", ""));
  EXPECT_FALSE(OfferedOn(kX64, "arm64", ""));
  EXPECT_TRUE(OfferedOn(kArm64Windows11, "arm64,x64", "10.0.22000"));
  EXPECT_FALSE(OfferedOn(kArm64Windows10, "arm64", "10.0.22000"));
  EXPECT_TRUE(OfferedOn(kX86, "", "6.1"));
  EXPECT_FALSE(OfferedOn(kX86, "", "6.2"));
  EXPECT_TRUE(OfferedOn(kX64, "", "10"));
  // What cannot be read restricts nothing.
  EXPECT_TRUE(OfferedOn(kX64, "ia64", "ten"));
}

TEST(Machine, VersionsAndDetectionsAreReadOrRefused) {
  EXPECT_EQ(ParseVersion("10.0.22000"), (Version{10, 0, 22000}));
  for (const char* wrong : {"", "10.", ".1", "1.2.3.4.5", "v10", "10 0", "1234567890"}) {
    EXPECT_EQ(ParseVersion(wrong), std::nullopt) << wrong;
  }
  EXPECT_LT(CompareVersions({10, 0}, {10, 0, 1}), 0);
  EXPECT_EQ(CompareVersions({10}, {10, 0, 0}), 0);
  EXPECT_GT(CompareVersions({2, 10}, {2, 9, 9}), 0);

  const auto msi = ParseDetection("msi:{8E3F1C2A-5B6D-4E7F-9A0B-1C2D3E4F5A6B}");
  ASSERT_TRUE(msi);
  EXPECT_EQ(msi->kind, Detection::Kind::kMsi);
  const auto uninstall = ParseDetection("uninstall:Orbit Runtime>=2.1");
  ASSERT_TRUE(uninstall);
  EXPECT_EQ(uninstall->target, "Orbit Runtime");
  EXPECT_EQ(uninstall->minimum, (Version{2, 1}));
  const auto file = ParseDetection("File:%ProgramFiles%\\Orbit\\orbit.exe");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->kind, Detection::Kind::kFile);
  EXPECT_FALSE(file->minimum);
  const auto value = ParseDetection("registry:HKLM\\Software\\Orbit\\\\Path");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->target, "HKLM\\Software\\Orbit");
  EXPECT_EQ(value->value, "Path");
  for (const char* wrong : {"msi:8E3F1C2A", "msi:{8E3F1C2A-5B6D-4E7F-9A0B-1C2D3E4F5A6X}", "uninstall:", "file:a>=two",
                            "wmi:Win32_Product", "nothing"}) {
    EXPECT_FALSE(ParseDetection(wrong)) << wrong;
  }
}

TEST(Machine, WhatIsInstalledIsAskedOfTheSystemAndAVersionMustReachTheMinimum) {
  ScriptedHost host;
  host.installedPrograms = {{"Orbit Runtime", "2.1.4"}, {"Old Tool", ""}};
  host.fileVersions = {{"C:\\Orbit\\orbit.exe", "5.0.0.12"}};
  host.installedProducts = {"{8E3F1C2A-5B6D-4E7F-9A0B-1C2D3E4F5A6B}"};
  host.registryEntries = {"HKLM\\Software\\Orbit", "HKLM\\Software\\Orbit|Path"};
  for (const char* yes : {"uninstall:Orbit Runtime", "uninstall:Orbit Runtime>=2.1", "uninstall:Old Tool",
                          "file:C:\\Orbit\\orbit.exe>=5", "msi:{8E3F1C2A-5B6D-4E7F-9A0B-1C2D3E4F5A6B}",
                          "registry:HKLM\\Software\\Orbit", "registry:HKLM\\Software\\Orbit\\\\Path"}) {
    EXPECT_TRUE(IsInstalled(host, yes)) << yes;
  }
  for (const char* no : {"uninstall:Orbit Runtime>=3", "uninstall:Old Tool>=1", "file:C:\\Orbit\\orbit.exe>=5.1",
                         "file:C:\\Orbit\\other.exe", "msi:{00000000-0000-0000-0000-000000000000}",
                         "registry:HKLM\\Software\\Orbit\\\\Other", "wmi:Win32_Product", ""}) {
    EXPECT_FALSE(IsInstalled(host, no)) << no;
  }
}

// The machine disc on an x64 Windows 10 whose registry says its tool is
// installed, and whose Add/Remove Programs list has tool two.
class MachineDiscTest : public testing::Test {
 protected:
  MachineDiscTest() : host(test::Fixture("e2e/machine"), "en-US", 10), session(host, view) {
    host.MountAsDriveD();
    host.registryEntries = {"HKCU\\Software\\DiscLauncherE2E\\Machine"};
    host.installedPrograms = {{"Disc Launcher Test Tool", "2.0.1"}};
  }
  void Start() {
    session.FormCreate();
    host.events.clear();
  }

  DiscFolderHost host;
  RecordingView view{[this](HostEvent event) { host.Record(std::move(event)); }};
  LauncherSession session;
};

TEST_F(MachineDiscTest, TheChecklistOffersWhatRunsHereAndLeavesWhatIsInstalledUnchecked) {
  Start();
  EXPECT_EQ(view.menuButtons[2].caption, "Tool (installed)");
  EXPECT_FALSE(view.menuButtons[3].visible);  // Arm64 only
  session.InstallButtonClick(session.MenuButtonRequest(1, view.menuButtons[1].action), "Components");
  EXPECT_EQ(view.rows, (std::vector<std::string>{"Runtime", "Product", "Tool two (installed)"}));
  EXPECT_EQ(view.checked, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(session.ActionExecArray()[2].Selected, false);
  // The x64 text runs; each component's row is selected while it runs, and
  // the taskbar counts them, in the error state after one failed.
  host.fileExists = [](const std::string&) { return true; };
  host.exitCodes = {{2, 1603}};
  session.btnInstallClick();
  std::vector<std::string> starts;
  for (const std::string& event : host.events) {
    if (event.rfind("start:", 0) == 0) starts.push_back(event);
  }
  EXPECT_EQ(starts, (std::vector<std::string>{"start: probe.exe 0 record-x64.txt", "start: msiexec /i product.msi /qn"}));
  using P = RecordingView::RunProgress;
  EXPECT_EQ(view.runProgress, (std::vector<P>{{1, 2, false, 0}, {1, 2, false, 0}, {2, 2, false, 1},
                                              {2, 2, true, 1}, {}}));
}

TEST_F(MachineDiscTest, ArmTakesItsOwnTextAndButtonAndAnOldWindowsLosesNothingItMayRun) {
  host.machine = kArm64Windows10;
  Start();
  EXPECT_TRUE(view.menuButtons[3].visible);
  EXPECT_EQ(session.ActionTable()[0].Action, "probe.exe 0 record-arm64.txt");
  EXPECT_FALSE(session.ActionTable()[2].Offered);  // MinWindows 99.0
}

TEST_F(MachineDiscTest, UnattendedWhatIsNotOfferedIsSkippedAndWhatIsInstalledCountsAsDone) {
  Start();
  host.fileExists = [](const std::string&) { return true; };
  EXPECT_EQ(session.RunQuietly(ReadArguments("/quiet /run Action3,Action4,Action1")), 0);
  EXPECT_EQ(host.events, std::vector<std::string>{"start: probe.exe 0 record-x64.txt"});
  std::vector<std::string> outcomes;
  for (const HostEvent& event : host.log) {
    if (event.kind == HostEvent::Kind::kOutcome) outcomes.push_back(Describe(event));
  }
  EXPECT_EQ(outcomes, (std::vector<std::string>{"outcome: Tool two: succeeded", "outcome: Runtime: succeeded"}));
  EXPECT_EQ(session.RunQuietly(ReadArguments("/quiet /button 3")), 0);  // Arm64 only: nothing to run
}

}  // namespace
}  // namespace launcher
