#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "Disccheck.h"
#include "core/TestFiles.h"

namespace launcher {
namespace {

struct Output {
  int status;
  std::string out, err;
};

Output RunDisccheck(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = disccheck::Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(DisccheckConfig, PrintsTheConfigurationAsTheLauncherLoadsIt) {
  Output o = RunDisccheck({"config", test::Fixture("discs/pro"), "--os-major", "4"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "section: pro\n"
            "properties: com/vestrel/integration/tools/launcher/launcher_windows.properties\n"
            "encoding: the system's code page\n"
            "charset: 1\n"
            "shell-launcher: C:\\WINDOWS\\system32\\cmd.exe /min /c start\n"
            "longest-button-text: Lower Case Wins\n"
            "entries: 5\n"
            "ActionTotal=1\n"
            "LauncherTitle=Example Suite Professional\n"
            "Button1Text=Lower Case Wins\n"
            "button1text=Lower Case Wins\n"
            "Assist1=True\n");
}

TEST(DisccheckConfig, WritesUtf8AndEscapesBackslashes) {
  Output o = RunDisccheck({"config", test::Fixture("discs/basic"), "--language", "17"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find("charset: 128\n"), std::string::npos);
  EXPECT_NE(o.out.find("LauncherTitle=\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\n"), std::string::npos);
  Output english = RunDisccheck({"config", test::Fixture("discs/basic")});
  EXPECT_NE(english.out.find("Button2Action=$IE $PWD\\\\docs\\\\index.htm\n"), std::string::npos);
}

// A language tag as the display language; the member read, and how.
TEST(DisccheckConfig, TakesTheDisplayLanguageAsATag) {
  Output brazil = RunDisccheck({"config", test::Fixture("e2e/languages"), "--language", "pt-BR"});
  EXPECT_EQ(brazil.status, 0) << brazil.err;
  EXPECT_NE(brazil.out.find("properties: com/vestrel/integration/tools/launcher/launcher_windows_pt_BR.properties\n"
                            "encoding: UTF-8\n"),
            std::string::npos)
      << brazil.out;
  EXPECT_NE(brazil.out.find("LauncherTitle=Portugu\u00eas (Brasil)\n"), std::string::npos);
  Output swiss = RunDisccheck({"config", test::Fixture("e2e/languages"), "--language", "de-CH"});
  EXPECT_NE(swiss.out.find("launcher_windows_de.properties\nencoding: the system's code page\n"), std::string::npos);
}

TEST(DisccheckConfig, ReportsTheLaunchersErrorWithStatus2) {
  Output o = RunDisccheck({"config", test::Fixture("discs/no-jar")});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "error: Archive does not exist - Filename is blank\n");
  EXPECT_EQ(o.out, "");
}

TEST(DisccheckConfig, RejectsBadArguments) {
  EXPECT_EQ(RunDisccheck({}).status, 2);
  EXPECT_EQ(RunDisccheck({"config"}).status, 2);
  EXPECT_EQ(RunDisccheck({"config", "x", "--language"}).status, 2);
  EXPECT_EQ(RunDisccheck({"frobnicate"}).status, 2);
  Output help = RunDisccheck({"config", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("config DISC_DIR"), std::string::npos);
}

}  // namespace
}  // namespace launcher

namespace launcher {
namespace {

const std::string kProperties = "install.jar/com/vestrel/integration/tools/launcher/launcher_windows.properties";

TEST(DisccheckCheck, FindsEveryMistakeOfABrokenDisc) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/broken"), "--all-languages"});
  EXPECT_EQ(o.status, 2);
  for (const std::string& expected : {
           kProperties + ":5: warning: 'button1text' is never read: the launcher looks up 'Button1Text'",
           kProperties + ":6: warning: Button2Action is set but Button2Text is empty: the button is hidden",
           kProperties + ":7: warning: Button3Text is set but Button3Action is empty",
           kProperties + ":9: error: 'Actionx' has no action number",
           kProperties + ":9: error: 'Action9' names no action: ActionTotal is 2",
           kProperties + ":9: warning: Button4Action has 1 empty item(s)",
           kProperties + ":9: warning: Button4Action lists 4 actions but ActionTotal is 2",
           kProperties + ":11: warning: Button5Action starts the Java runtime named by the registry",
           kProperties + ":13: error: Button6Action: its command line is longer than 512 characters",
           kProperties + ":16: error: Action1: the launcher looks for 'setup\\missing.exe', which is not on the disc",
           kProperties + ":18: warning: '<br>' in Description1 is shown as it stands",
           kProperties + ":30: warning: '<br>' in AdditionalActionTitle is shown as it stands",
           kProperties + ":19: warning: Type1 'Manage' is no stage word",
           kProperties + ":26: warning: Button8Action needs the disc 'Broken disc 2'",
           kProperties + ":34: warning: Button11Action: a quote is not closed: Windows reads the rest of the "
                         "text, '/log=a b', as one word",
           kProperties + ":34: warning: Button11Action: the launcher tests '-readme', which reads as an option of "
                         "the program but is a file on the disc",
           kProperties + ":35: error: CancelCodes2 'one' is no list of exit codes (whole numbers separated by "
                         "commas): the launcher takes none for Action2",
           kProperties + ":36: error: Architectures2: 'ia64' is no processor (x86, x64, arm64): the launcher ignores it",
           kProperties + ":37: error: MinWindows2 'ten' is no version (such as 6.1 or 10.0.22000): the launcher "
                         "offers Action2 on every Windows",
           kProperties + ":38: error: Installed2 'msi:12345' is no detection the launcher knows",
           kProperties + ":39: warning: Button3Action has a text for x64 or Arm64 but none for the others: x86 "
                         "machines",
           kProperties + ":29: error: SuccessCodes1 '0;3010' is no list of exit codes",
           kProperties + ": warning: checklists run installers, but neither InstallFailedMessage nor "
                         "InstallRestartMessage is set",
           std::string("install.jar/com/vestrel/integration/tools/launcher/image/launcherBad.jpg: warning: not a "
                       "readable JPEG picture"),
           std::string("install.jar/com/vestrel/integration/tools/launcher/image/launcherBadPg2.jpg: warning: is "
                       "300 x 200, not 600 x 400"),
           std::string("install.jar/com/vestrel/integration/tools/launcher/launcher_windows_de.properties: warning: "
                       "lacks Button4Action, which the English text has (line 9)"),
           std::string("install.jar/com/vestrel/integration/tools/launcher/launcher_windows_de.properties:6: error: "
                       "RightToLeft 'maybe' is no boolean (True, False or a number): the launcher takes it for False"),
       }) {
    EXPECT_NE(o.out.find(expected), std::string::npos) << expected << "\n--- in ---\n" << o.out;
  }
  // What is right stays quiet: action 2's file is there, its stage is a word,
  // a message action breaks its lines.
  EXPECT_EQ(o.out.find("Action2:"), std::string::npos);
  EXPECT_EQ(o.out.find("in Button10Action"), std::string::npos);
  EXPECT_EQ(o.out.find("Type2 '"), std::string::npos);
  // $PWD keeps its word whole from a folder with blanks: nothing to say.
  EXPECT_EQ(o.out.find("$PWD"), std::string::npos) << o.out;
}

TEST(DisccheckCheck, OtherDiscsOfTheSetAreSearchedWhereTheAuthorSays) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/broken"), "--disc",
                           "Broken disc 2=" + test::Fixture("disccheck/disc2")});
  EXPECT_EQ(o.out.find("Button8Action"), std::string::npos) << o.out;
  Output wrong = RunDisccheck({"check", test::Fixture("disccheck/broken"), "--disc",
                               "Broken disc 2=" + test::Fixture("disccheck/broken")});
  EXPECT_NE(wrong.out.find(":26: error: Button8Action: the launcher looks for 'extra\\setup.exe', which is not on "
                           "the disc 'Broken disc 2'"),
            std::string::npos)
      << wrong.out;
  // Each other disc stands in a drive of its own, after D:: the next disc is
  // found there without a question, and its program runs from its root.
  Output simulated = RunDisccheck({"simulate", test::Fixture("disccheck/broken"), "--click", "8", "--disc",
                                   "Broken disc 2=" + test::Fixture("disccheck/disc2")});
  EXPECT_EQ(simulated.out, "click button 8: Other disc\n"
                           "disc 'Broken disc 2' found on E:\\\n"
                           "start: E:\\extra\\setup.exe\n"
                           "outcome: Other disc: succeeded\n"
                           "disc in the drive: Broken disc 2\n");
}

// Which member each display language reads, and whether each member reads
// the same on every Windows: UTF-8 does, 8-bit text beyond ASCII does not.
TEST(DisccheckCheck, SaysWhichMemberEachLanguageReadsAndHowEachIsRead) {
  const Output o = RunDisccheck({"check", test::Fixture("e2e/languages"), "--all-languages"});
  const std::string member = "install.jar/com/vestrel/integration/tools/launcher/launcher_windows";
  EXPECT_NE(o.out.find("install.jar: note: carries the languages base, de, ja, pt_BR, pt; display languages read: "
                       "base for en-US, en-GB, fr-FR"),
            std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("; de for de-DE, de-CH; pt_BR for pt-BR; pt for pt-PT; ja for ja-JP\n"), std::string::npos);
  EXPECT_NE(o.out.find(member + ".properties: note: is read in the system's code page, and holds only ASCII"),
            std::string::npos);
  EXPECT_NE(o.out.find(member + "_de.properties: warning: is read in the system's code page (here 1252): its texts "
                                "read right only on systems of that code page; saved as UTF-8, they read right on all"),
            std::string::npos);
  EXPECT_NE(o.out.find(member + "_ja.properties: warning: is read in the system's code page (here 932)"),
            std::string::npos);
  EXPECT_NE(o.out.find(member + "_pt_BR.properties: note: is read as UTF-8: its texts read right on every Windows"),
            std::string::npos);
  EXPECT_NE(o.out.find(member + "_pt.properties: note: is read as UTF-8"), std::string::npos);
  EXPECT_EQ(o.status, 1);  // warnings; notes alone would leave it clean
}

TEST(DisccheckCheck, StartUpErrorsAreErrorsAtTheirLine) {
  Output missing = RunDisccheck({"check", test::Fixture("e2e/no-jar")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out,
            "install.jar: error: missing: the launcher stops at start with \"Archive does not exist - Filename is "
            "blank.\"\n");
  Output assist = RunDisccheck({"check", test::Fixture("e2e/bad-assist")});
  EXPECT_EQ(assist.status, 2);
  EXPECT_EQ(assist.out, "install.jar: note: carries the languages base; display languages read: base for en-US, "
                        "en-GB, de-DE, de-CH, fr-FR, fr-CA, es-ES, it-IT, nl-NL, pt-BR, pt-PT, pl-PL, ru-RU, el-GR, "
                        "tr-TR, ja-JP, ko-KR, zh-CN, zh-TW, zh-HK, ar-SA, he-IL\n" +
                            kProperties +
                            ":6: error: the launcher stops at start with \"'maybe' is not a valid boolean value.\"\n");
  Output member = RunDisccheck({"check", test::Fixture("e2e/no-properties")});
  EXPECT_NE(member.out.find("install.jar: error: has no member com/vestrel/integration/tools/launcher/"
                            "launcher_windows.properties; the launcher stops at start"),
            std::string::npos)
      << member.out;
  Output json = RunDisccheck({"check", test::Fixture("e2e/no-jar"), "--json"});
  EXPECT_EQ(json.out.rfind("{\"status\": 2, \"findings\": [{\"file\": \"install.jar\", \"line\": 0, \"severity\": "
                           "\"error\", \"message\": ",
                           0),
            0u)
      << json.out;
}

TEST(DisccheckCheck, SaysWhichArchiveMethodsTheLauncherCannotRead) {
  Output imploded = RunDisccheck({"check", test::Fixture("disccheck/imploded")});
  EXPECT_EQ(imploded.status, 2);
  EXPECT_NE(imploded.out.find(kProperties + ": error: is compressed with method 6 (imploded), which the launcher "
                                            "does not read (it reads stored, deflated and deflate64 members): "
                                            "repack the archive with 'disccheck pack FOLDER install.jar'\n"),
            std::string::npos)
      << imploded.out;
  EXPECT_NE(imploded.out.find("the launcher stops at start with \"Cannot extract"), std::string::npos)
      << imploded.out;
  // Deflate64 is read: the disc loads, and the archive draws no error.
  Output deflate64 = RunDisccheck({"check", test::Fixture("disccheck/deflate64")});
  EXPECT_EQ(deflate64.out.find("error"), std::string::npos) << deflate64.out;
  Output config = RunDisccheck({"config", test::Fixture("disccheck/deflate64")});
  EXPECT_NE(config.out.find("LauncherTitle=Packed"), std::string::npos) << config.out;
}

TEST(DisccheckCheck, SaysWhichProgramsWillAskForAdministratorConsentAndWhy) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/consent")});
  auto has = [&](const std::string& line) { return o.out.find(line) != std::string::npos; };
  const std::string through = "; the launcher starts it through Windows' consent window\n";
  EXPECT_TRUE(has(kProperties + ":9: warning: Button1Action: 'programs\\admin.exe' will ask for administrator "
                                "consent: its manifest asks for requireAdministrator" + through)) << o.out;
  EXPECT_TRUE(has(kProperties + ":11: warning: Button2Action: 'programs\\highest.exe' will ask for administrator "
                                "consent: its manifest asks for highestAvailable (administrators are asked)" + through))
      << o.out;
  const std::string detection = "will ask for administrator consent: it is a 32-bit program without an execution "
                                "level in a manifest, and its name contains 'setup', which makes Windows take it for "
                                "an installer" + through;
  EXPECT_TRUE(has(kProperties + ":13: warning: Button3Action: 'programs\\setup.exe' " + detection)) << o.out;
  EXPECT_TRUE(has(kProperties + ":4: warning: Action1: 'programs\\setup.exe' " + detection)) << o.out;
  EXPECT_TRUE(has(kProperties + ":19: warning: Button6Action: 'programs\\truncated.exe' is a damaged Windows "
                                "program (")) << o.out;
  // asInvoker, a 64-bit setup.exe and a file that is no program ask nothing
  // (the unsigned ones are said to be so, once each).
  std::istringstream lines(o.out);
  for (std::string line; std::getline(lines, line);) {
    for (const char* quiet : {"Button4Action:", "Button5Action:", "Button7Action:"}) {
      if (line.find(quiet) == std::string::npos) continue;
      EXPECT_EQ(line.find("consent:"), std::string::npos) << line;
      EXPECT_NE(line.find("' is unsigned: "), std::string::npos) << line;
    }
  }
  EXPECT_EQ(o.status, 1) << o.out;

  Output menu = RunDisccheck({"menu", test::Fixture("disccheck/consent"), "--json"});
  EXPECT_TRUE(menu.out.find("\"button 1: admin.exe -> programs\\\\admin.exe [tests programs\\\\admin.exe] [administrator consent: "
                            "requireAdministrator] [unsigned]\"") != std::string::npos) << menu.out;
  EXPECT_TRUE(menu.out.find("\"button 4: invoker\\\\setup.exe -> programs\\\\invoker\\\\setup.exe [tests "
                            "programs\\\\invoker\\\\setup.exe] [unsigned]\"") !=
              std::string::npos) << menu.out;
  EXPECT_TRUE(menu.out.find("row 1: Setup [DEPLOY]  [tests programs\\\\setup.exe] [administrator consent: installer detection]") !=
              std::string::npos) << menu.out;
}

// The launcher must outlive disc 1 while it asks for disc 2.
TEST(DisccheckCheck, WarnsAboutALauncherOnTheDiscThatDoesNotRunFromThePageFileOrIsUnsigned) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/consent")});
  EXPECT_NE(o.out.find("Install_Windows_x64.exe: warning: lacks the run-from-swap marks in its header"),
            std::string::npos) << o.out;
  EXPECT_EQ(o.out.find("Install_Windows.exe: warning: lacks"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("Install_Windows.exe: warning: is unsigned: "), std::string::npos) << o.out;
  Output signedDisc = RunDisccheck({"check", test::Fixture("disccheck/signing")});
  EXPECT_EQ(signedDisc.out.find("Install_Windows.exe:"), std::string::npos) << signedDisc.out;
}

// Signatures are found, not verified: what Windows will show for a program
// without one is said once per program, and a broken table is damage.
TEST(DisccheckCheck, SaysWhichProgramsAreUnsigned) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/signing")});
  auto count = [&](const std::string& text) {
    size_t n = 0;
    for (size_t at = o.out.find(text); at != std::string::npos; at = o.out.find(text, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("'programs\\unsigned.exe' is unsigned: Windows' SmartScreen warns before it runs from a downloaded "
                  "disc image, and the consent window shows \"Unknown publisher\""), 1u) << o.out;
  EXPECT_EQ(count("'programs\\empty-table.exe' is unsigned"), 1u) << o.out;
  EXPECT_EQ(count("'programs\\signed.exe' is unsigned"), 0u) << o.out;
  EXPECT_EQ(count("'programs\\outside.exe' is a damaged Windows program (the certificate table lies outside the "
                  "file)"), 1u) << o.out;
  EXPECT_EQ(o.status, 1) << o.out;

  Output menu = RunDisccheck({"menu", test::Fixture("disccheck/signing"), "--json"});
  EXPECT_NE(menu.out.find("\"button 1: signed.exe -> programs\\\\signed.exe [tests programs\\\\signed.exe] [signed (not verified)]\""),
            std::string::npos) << menu.out;
  EXPECT_NE(menu.out.find("\"button 2: unsigned.exe -> programs\\\\unsigned.exe [tests programs\\\\unsigned.exe] [unsigned]\""), std::string::npos)
      << menu.out;
}

// Only a disc that says so reads right to left; its menu says it.
TEST(DisccheckMenu, SaysWhichDiscsReadRightToLeft) {
  Output rightToLeft = RunDisccheck({"menu", test::Fixture("e2e/rtl"), "--json"});
  EXPECT_NE(rightToLeft.out.find("\"title: \u05de\u05ea\u05e7\u05d9\u05df \u05d4\u05ea\u05e7\u05dc\u05d9\u05d8\u05d5\u05e8\", "
                                 "\"reading order: right to left\", \"button 1: \u05d4\u05ea\u05e7\u05e0\u05d4"),
            std::string::npos)
      << rightToLeft.out;
  for (const char* disc : {"e2e/rtl-off", "e2e/actions"}) {
    Output leftToRight = RunDisccheck({"menu", test::Fixture(disc)});
    EXPECT_EQ(leftToRight.status, 0) << disc;
    EXPECT_EQ(leftToRight.out.find("reading order"), std::string::npos) << leftToRight.out;
  }
}

TEST(DisccheckCheck, SaysWhatIsWrongWithHowADiscAsksTheLauncherToWait) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/waits")});
  auto has = [&](const std::string& line) { return o.out.find(line) != std::string::npos; };
  EXPECT_TRUE(has(kProperties + ":6: error: WaitForWindowsInstaller 'maybe' is no boolean (True, False or a number): "
                                "the launcher takes it for False")) << o.out;
  EXPECT_TRUE(has(kProperties + ":11: error: Button2WaitForAll 'sometimes' is no boolean")) << o.out;
  EXPECT_TRUE(has(kProperties + ":18: error: WaitForAll2 'yes' is no boolean")) << o.out;
  EXPECT_FALSE(has("WaitForAll3")) << o.out;
  EXPECT_TRUE(has(kProperties + ":12: warning: Action1 starts a Windows Installer package in a checklist, but "
                                "WaitForWindowsInstaller is not set")) << o.out;
  EXPECT_EQ(o.status, 2);
}

// The launcher breaks the lines of its failure and restart texts too:
// disccheck takes the keys from the launcher's own list.
TEST(DisccheckCheck, LineBreaksInTheFailureAndRestartTextsAreNoMistake) {
  Output o = RunDisccheck({"check", test::Fixture("disccheck/waits")});
  EXPECT_EQ(o.out.find("'<br>'"), std::string::npos) << o.out;
  Output simulated = RunDisccheck(
      {"simulate", test::Fixture("disccheck/waits"), "--click", "1", "--install", "--exit", "1=1603", "--exit", "2=3010"});
  EXPECT_NE(simulated.out.find("Not\\n\\rinstalled:\\n\\rPackage\\n\\r\\n\\rPlease\\n\\rrestart."),
            std::string::npos)
      << simulated.out;
}

// What the launcher does with the keys, from its own session.
TEST(DisccheckSimulate, ShowsTheWaitsForEveryProgramAndTheRepeatsWhenWindowsInstallerWasBusy) {
  Output o = RunDisccheck({"simulate", test::Fixture("disccheck/waits"), "--click", "1", "--install"});
  EXPECT_NE(o.out.find("start: msiexec /i tools\\a.msi\n"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("start: boot.exe\n"), std::string::npos) << o.out;  // "yes" is no boolean
  EXPECT_NE(o.out.find("start: boot.exe (waiting for every program it starts)\n"), std::string::npos) << o.out;
  Output busy = RunDisccheck({"simulate", test::Fixture("e2e/waits"), "--click", "5", "--exit", "1=1618"});
  EXPECT_NE(busy.out.find("start: standin.exe once 1618 once-marker.txt record-once.txt\n"
                          "repeat 1 of 3: standin.exe once 1618 once-marker.txt record-once.txt (it ended with 1618: "
                          "another installation in progress)\nstart: standin.exe once"),
            std::string::npos)
      << busy.out;
}

TEST(DisccheckSimulate, TheUnattendedRunPrintsWhatItStartsAndItsExitCode) {
  Output o = RunDisccheck({"simulate", test::Fixture("e2e/quiet"), "--quiet", "--button", "1", "--exit", "2=3010"});
  EXPECT_EQ(o.out,
            "start: probe.exe 0 1500 record.txt\noutcome: First: succeeded\n"
            "start: probe.exe 3010 1500 record.txt\noutcome: Second: succeeded, restart needed (code 3010)\n"
            "start: probe.exe 0 1500 record.txt\noutcome: Third: succeeded\nexit code: 3010\n");
  EXPECT_EQ(RunDisccheck({"simulate", test::Fixture("e2e/quiet"), "--quiet", "--run", "Action9"}).out, "exit code: 87\n");
}

TEST(DisccheckCheck, ACleanDiscIsClean) {
  Output o = RunDisccheck({"check", test::Fixture("e2e/gaps")});
  // The gaps disc carries no pictures and a tool tip for a hidden button.
  EXPECT_EQ(o.status, 1) << o.out;
  EXPECT_NE(o.out.find("has no com/vestrel/integration/tools/launcher/image/launcher.jpg"), std::string::npos);
  EXPECT_EQ(o.out.find("error"), std::string::npos) << o.out;
}

TEST(DisccheckCheck, AHighResolutionBackgroundIsOptionalButMustDecode) {
  Output o = RunDisccheck({"check", test::Fixture("e2e/partner-2x")});
  const std::string image = "install.jar/com/vestrel/integration/tools/launcher/image/launcher";
  EXPECT_NE(o.out.find(image + "RedPg2@2x.jpg: warning: "), std::string::npos) << o.out;
  EXPECT_NE(o.out.find(": scaled screens show the ordinary one"), std::string::npos) << o.out;
  EXPECT_EQ(o.out.find("Red@2x.jpg"), std::string::npos) << o.out;  // 1200 x 800, as it should be
  Output none = RunDisccheck({"check", test::Fixture("disccheck/broken")});
  EXPECT_EQ(none.out.find("@2x"), std::string::npos) << none.out;  // none is no mistake
  Output small = RunDisccheck({"check", test::Fixture("e2e/partner-2x-small")});
  EXPECT_NE(small.out.find(image + "Red@2x.jpg: warning: is 600 x 400, not 1200 x 800: it is shown scaled to the page"),
            std::string::npos)
      << small.out;
}

// The machine disc played on an Arm64 Windows 10 whose product is
// installed: the Arm64 text runs, the component for a later Windows is not
// offered, and the installed one starts unchecked.
TEST(DisccheckSimulate, PlaysADiscOnTheMachineGiven) {
  Output arm = RunDisccheck({"simulate", test::Fixture("e2e/machine"), "--click", "1", "--machine", "arm64",
                             "--windows", "10.0.19045", "--installed", "2"});
  EXPECT_EQ(arm.out, "click button 1: Components\n"
                     "page: selection\n"
                     "  row 1 [x] Runtime (Action1, ) [runs probe.exe 0 record-arm64.txt]\n"
                     "  row 2 [ ] Product (installed) (Action2, )\n"
                     "  row 3 [x] Tool two (Action4, )\n")
      << arm.err;
  Output menu = RunDisccheck({"menu", test::Fixture("e2e/machine"), "--json"});
  EXPECT_NE(menu.out.find("\"machine: x64, Windows 10.0.19045\", \"title: Machine\""), std::string::npos) << menu.out;
  EXPECT_NE(menu.out.find("\"button 3: not offered on this machine\""), std::string::npos) << menu.out;
  EXPECT_NE(menu.out.find("row 1: Runtime []  [runs probe.exe 0 record-x64.txt]"), std::string::npos) << menu.out;
  EXPECT_EQ(RunDisccheck({"menu", test::Fixture("e2e/machine"), "--machine", "sparc"}).status, 2);
}

TEST(DisccheckMenu, ShowsButtonsHiddenOnesAndChecklistRows) {
  // The disc as laid out: the end-to-end tests put their probe on it, and a
  // program found would be noted as signed or not.
  std::remove((test::Fixture("e2e/actions") + "/probe.exe").c_str());
  Output o = RunDisccheck({"menu", test::Fixture("e2e/actions")});
  EXPECT_EQ(o.status, 0) << o.err;
  // Each action says which file it tests; a message tests none.
  EXPECT_NE(o.out.find("title: Actions\nbutton 1: Probe -> probe.exe 3 record-menu.txt [tests record-menu.txt]\n"),
            std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("button 4: About -> [DIALOG]Line one<br>Line two\n"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("button 6: Components -> Action1,Action2,Action3\n"
                       "  row 1: First part [DESIGN] First\\n\\rline two [tests record-run.txt]\n"
                       "  row 2: Second part [TEST] Second [tests record-run.txt]\n"),
            std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("button 8: hidden\n"), std::string::npos);
}

// The sample disc's Japanese texts come out whole in UTF-8: a description
// with 表 and a disc-change title beginning with 評, whose second bytes have
// the codes of "\\" and "]".
TEST(DisccheckJapanese, LoadsAndSimulatesTheSampleDiscInJapanese) {
  Output menu = RunDisccheck({"menu", "sample-disc", "--language", "17"});
  EXPECT_EQ(menu.status, 0) << menu.err;
  EXPECT_NE(menu.out.find("  row 1: Requirements [DEFINE] \u8981\u4ef6\u3092\u96c6\u3081\u3001\u4e00\u89a7"
                          "\u8868\u3067\u8ffd\u8de1\u3057\u307e\u3059\u3002\\n\\r40 MB \u5fc5\u8981\u3067"
                          "\u3059\u3002 [tests components\\requirements.cmp]\n"),
            std::string::npos)
      << menu.out;
  Output simulated = RunDisccheck({"simulate", "sample-disc", "--language", "17", "--click", "5", "--answer", "ok"});
  EXPECT_NE(simulated.out.find("| Orbit Studio 5 \u8a55\u4fa1\u7248 disc 2\\n\\r"), std::string::npos)
      << simulated.out;
  EXPECT_NE(simulated.out.find("disc change pending: Orbit Studio 5 \u8a55\u4fa1\u7248 disc 2"), std::string::npos)
      << simulated.out;
}

TEST(DisccheckSimulate, PlaysTheSampleDiscAsTheLauncherWould) {
  Output o = RunDisccheck({"simulate", "sample-disc", "--click", "3", "--click", "4", "--click", "5", "--answer",
                           "ok", "--answer", "retry", "--click", "6", "--click", "1", "--uncheck", "2", "--uncheck",
                           "3", "--uncheck", "4", "--uncheck", "5", "--install", "--answer", "ok", "--click", "7"});
  EXPECT_EQ(o.status, 0) << o.err;
  const std::vector<uint8_t> golden = test::ReadFileBytes(GOLDEN_DIR "/simulate-sample.txt");
  EXPECT_EQ(o.out, std::string(golden.begin(), golden.end()));
}

TEST(DisccheckPack, WritesWhatTheLauncherReadsBack) {
  Output o = RunDisccheck({"pack", test::Fixture("disccheck/disc2"), "fixtures/packed.jar"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "packed 1 files into fixtures/packed.jar and read them back\n");
  Output config = RunDisccheck({"pack", "no-such-folder", "fixtures/x.jar"});
  EXPECT_EQ(config.status, 2);
}

}  // namespace
}  // namespace launcher
