#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/CommandLine.h"
#include "core/ExitCodes.h"
#include "sim/ScriptedHost.h"
#include "core/SingleAction.h"

namespace launcher {
namespace {

using Events = std::vector<std::string>;

const std::map<std::string, std::string> kConfig = {
    {"RegKey", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Orbit"},
    {"AdditionalActionTitle", "About"},
    {"DiskChangeTitle", "Insert disc"},
    {"InstallInsertMsg1", "Please insert "},
    {"InstallInsertMsg2", " now.<br>Then click OK."},
    {"FileNotFoundDiskText", " was not found.<br>Insert disk."},
    {"FileNotFoundDiskPromptTitle", "Missing"},
};

class SingleActionTest : public testing::Test {
 protected:
  SingleActionTest() {
    host.configuration = kConfig;
    host.fileExists = [this](const std::string& name) {
      checked.push_back(name);
      return files.count(name) > 0;
    };
    state.CurrentDiscTitle = state.LauncherDiscTitle = "Orbit disc";
    state.ShellLauncher = "C:\\WINDOWS\\explorer.exe";
  }

  Events Run(const std::string& action, bool assist = false, const std::string& assistText = "") {
    host.events.clear();
    outcome = SingleAction(host, state, host.Config(), ActionRequest{action, assist, assistText, {}}).outcome;
    return host.events;
  }

  std::set<std::string> files;
  std::vector<std::string> checked;
  ScriptedHost host;
  ActionState state;
  ActionOutcome outcome = ActionOutcome::kDone;
};

TEST_F(SingleActionTest, ExitAsksForTheCloseAndDoesNothingElse) {
  host.registryError = "Invalid data type for 'PathName'";
  EXPECT_EQ(Run("$EXIT$"), Events{});
  EXPECT_EQ(outcome, ActionOutcome::kClosing);
  // With a blank it is no exit: a file of that name is looked for.
  host.registryError.reset();
  EXPECT_EQ(Run("$EXIT$ "), (Events{"retry-cancel: Missing | $EXIT$ was not found.\\n\\rInsert Orbit disc. -> Cancel",
                                    "foreground"}));
  EXPECT_EQ(outcome, ActionOutcome::kDone);
}

TEST_F(SingleActionTest, RegistryErrorEndsEveryOtherActionFirst) {
  host.registryError = "Invalid data type for 'PathName'";
  for (const char* action : {"[DIALOG]Hello", "[DISKCHANGE:Disc 2]x.exe", "setup.exe", ""}) {
    EXPECT_EQ(Run(action), Events{"error: Invalid data type for 'PathName'"}) << action;
  }
}

TEST_F(SingleActionTest, MessagesShowTheirLinesWithoutTokensOrDiscChange) {
  EXPECT_EQ(Run("[DIALOG]Hello<br>World"), (Events{"info: About | Hello\\n\\rWorld", "foreground"}));
  EXPECT_EQ(Run("[DIALOG]$PWD [DISKCHANGE:X]"), (Events{"info: About | $PWD [DISKCHANGE:X]", "foreground"}));
  EXPECT_EQ(Run("a[DIALOG]b[dialog]c<BR>d"), (Events{"info: About | abc\\n\\rd", "foreground"}));
  EXPECT_FALSE(state.DiskChangePending);
  // Lower case is no message: it is a file name that is not there.
  EXPECT_EQ(Run("[dialog]Hello")[0], "retry-cancel: Missing | [dialog]Hello was not found.\\n\\rInsert Orbit disc. -> Cancel");
}

TEST_F(SingleActionTest, StartsWhatIsLeftOnceItsLastWordIsFound) {
  files = {"components\\a.cmp"};
  EXPECT_EQ(Run("setup\\DemoSetup.exe components\\a.cmp"), Events{"start: setup\\DemoSetup.exe components\\a.cmp"});
  EXPECT_EQ(checked.back(), "components\\a.cmp");
  host.startResult = 3;  // other exit codes are ignored: no message, no question
  EXPECT_EQ(Run("setup\\DemoSetup.exe components\\a.cmp"), Events{"start: setup\\DemoSetup.exe components\\a.cmp"});
  EXPECT_EQ(outcome, ActionOutcome::kDone);
  host.startResult = std::nullopt;  // not started
  EXPECT_EQ(Run("setup\\DemoSetup.exe components\\a.cmp"),
            (Events{"start: setup\\DemoSetup.exe components\\a.cmp",
                    "message: The system cannot find the file specified"}));
}

TEST_F(SingleActionTest, ProgramsThatNeedAdministratorRightsStartThroughTheShell) {
  files = {"D:\\My Disc\\setup\\setup.exe", "a.cmp"};
  host.currentDirectory = "D:\\My Disc";
  host.startResult = std::nullopt;  // not started
  host.startError = kErrorElevationRequired;
  host.elevatedResult = 0;
  // $PWD in a folder with blanks: the program is quoted.
  const Events elevated = {"start: \"D:\\My Disc\\setup\\setup.exe\" /q a.cmp",
                           "start elevated: D:\\My Disc\\setup\\setup.exe | /q a.cmp"};
  EXPECT_EQ(Run("$PWD\\setup\\setup.exe /q a.cmp"), elevated);
  // Assisted starts too; a console program gets its console from the system.
  EXPECT_EQ(Run("tools\\assist", true, "-x"),
            (Events{"retry-cancel: Missing | tools\\assist was not found.\\n\\rInsert Orbit disc. -> Cancel",
                    "foreground"}));
  files.insert("tools\\assist");
  files.insert("D:\\My Disc\\tools\\assist.exe");
  EXPECT_EQ(Run("tools\\assist", true, "-x"),
            (Events{"start assisted: \"D:\\My Disc\\tools\\assist\" -x",
                    "start elevated: D:\\My Disc\\tools\\assist.exe | -x"}));

  // Declined consent ends in the system's message, as any failed start.
  host.elevatedResult = std::nullopt;
  host.elevatedError = kErrorCancelled;
  host.lastErrorText = "The operation was canceled by the user";
  Events declined = elevated;
  declined.push_back("message: The operation was canceled by the user");
  EXPECT_EQ(Run("$PWD\\setup\\setup.exe /q a.cmp"), declined);

  // Other failures are reported as before, without a second start.
  host.startError = 2;
  host.lastErrorText = "The system cannot find the file specified";
  EXPECT_EQ(Run("$PWD\\setup\\setup.exe /q a.cmp"),
            (Events{elevated[0], "message: The system cannot find the file specified"}));
  // A command line that names no program file keeps the plain start's error.
  host.startError = kErrorElevationRequired;
  host.lastErrorText = "The requested operation requires elevation";
  files.insert("x.cmp");
  EXPECT_EQ(Run("nothere.exe x.cmp"),
            (Events{"start: nothere.exe x.cmp", "message: The requested operation requires elevation"}));
}

TEST_F(SingleActionTest, TokensAreReplacedInOrderWithLetterCaseCounting) {
  host.registry["HKEY_LOCAL_MACHINE\\SOFTWARE\\Orbit|PathName"] = "C:\\J";
  files = {"D:\\index.htm", "x.jar", "$pwd\\a.txt"};
  EXPECT_EQ(Run("$IE $PWD\\index.htm"), Events{"start: C:\\WINDOWS\\explorer.exe D:\\index.htm"});
  EXPECT_EQ(Run("$JAVA -jar x.jar"), Events{"start: C:\\J\\jdk1.4\\bin\\javaw.exe -jar x.jar"});
  EXPECT_EQ(state.JavaExecutable, "C:\\J\\jdk1.4\\bin\\javaw.exe");
  EXPECT_EQ(Run("notepad $pwd\\a.txt"), Events{"start: notepad $pwd\\a.txt"});
  // Without a registry value $JAVA points at the root of the drive.
  host.registry.clear();
  EXPECT_EQ(Run("$JAVA x.jar"), Events{"start: \\jdk1.4\\bin\\javaw.exe x.jar"});
}

TEST_F(SingleActionTest, ExplorerBecomesTheShellLauncherWhenItIsTheFirstWord) {
  files = {"docs\\explorer\\guide.htm", "explorer"};
  EXPECT_EQ(Run("explorer \\"), Events{"start: C:\\WINDOWS\\explorer.exe \\"});  // "\" is not tested
  EXPECT_EQ(Run("explorer docs\\explorer\\guide.htm"),
            Events{"start: C:\\WINDOWS\\explorer.exe docs\\C:\\WINDOWS\\explorer.exe\\guide.htm"});
  EXPECT_EQ(Run("explorer"), Events{"start: explorer"});  // no blank, so no first word
  files = {"a.txt"};
  EXPECT_EQ(Run("Explorer a.txt"), Events{"start: Explorer a.txt"});
}

TEST_F(SingleActionTest, AssistedStartsRunFromTheDiscRootInTheirOwnConsole) {
  files = {"tools/setup.exe"};
  EXPECT_EQ(Run("tools/setup.exe", true, "-silent"), Events{"start assisted: \"D:\\tools\\setup.exe\" -silent"});
  EXPECT_EQ(Run("tools/setup.exe", true, ""), Events{"start assisted: \"D:\\tools\\setup.exe\" "});
  // The action's own arguments come before the assist text; an option is
  // not the file tested.
  EXPECT_EQ(Run("tools/setup.exe -x", true, "-silent"),
            Events{"start assisted: \"D:\\tools\\setup.exe\" -x -silent"});
  // A quoted program in a folder with blanks: the whole path in quotes.
  files = {"Setup Files/setup.exe"};
  host.currentDirectory = "D:\\Product Disc\\";
  EXPECT_EQ(Run("\"Setup Files/setup.exe\" /S", true, "-silent"),
            Events{"start assisted: \"D:\\Product Disc\\Setup Files\\setup.exe\" /S -silent"});
}

// Action texts as authors write them, read as Windows reads a command line,
// from a disc whose folder has a blank in its name.
TEST_F(SingleActionTest, TheFileTestedIsTheLastWordThatIsNoOptionAndTheLineStartsAsWritten) {
  host.currentDirectory = "D:\\Product Disc";
  files = {"setup.exe", "Setup Files\\setup.exe", "Product Setup.msi", "Docs\\Read me.html",
           "D:\\Product Disc\\Setup Files\\setup.exe", "D:\\Product Disc\\setup.exe", "D:\\Product Disc\\product.msi",
           "C:\\Data\\", "Data Files\\pkg.dat /qn", "-readme", "D:\\Product Disc\\", "a\"b.txt"};
  struct Case {
    const char* action;
    const char* tested;
    const char* started;
  };
  const Case cases[] = {
      {"setup.exe /S", "setup.exe", "setup.exe /S"},
      {"\"Setup Files\\setup.exe\" /S", "Setup Files\\setup.exe", "\"Setup Files\\setup.exe\" /S"},
      {"msiexec /i \"Product Setup.msi\" /qn", "Product Setup.msi", "msiexec /i \"Product Setup.msi\" /qn"},
      {"$IE \"Docs\\Read me.html\"", "Docs\\Read me.html", "C:\\WINDOWS\\explorer.exe \"Docs\\Read me.html\""},
      {"\"$PWD\\Setup Files\\setup.exe\" /S", "D:\\Product Disc\\Setup Files\\setup.exe",
       "\"D:\\Product Disc\\Setup Files\\setup.exe\" /S"},
      // A word that begins with a token stays one word, quoted when it must be.
      {"$PWD\\setup.exe /S", "D:\\Product Disc\\setup.exe", "\"D:\\Product Disc\\setup.exe\" /S"},
      {"msiexec /i $PWD\\product.msi", "D:\\Product Disc\\product.msi", "msiexec /i \"D:\\Product Disc\\product.msi\""},
      {"tool.exe $PWD\\", "D:\\Product Disc\\", "tool.exe \"D:\\Product Disc\\\\\""},
      // Backslashes before a quote, an unclosed quote, a quote inside a word.
      {"tool.exe \"C:\\Data\\\\\" /x", "C:\\Data\\", "tool.exe \"C:\\Data\\\\\" /x"},
      {"setup.exe \"Data Files\\pkg.dat /qn", "Data Files\\pkg.dat /qn", "setup.exe \"Data Files\\pkg.dat /qn"},
      {"notepad a\\\"b.txt", "a\"b.txt", "notepad a\\\"b.txt"},
      // An option that is a file is tested.
      {"setup.exe -readme", "-readme", "setup.exe -readme"},
      {"setup.exe  /S  ", "setup.exe", "setup.exe  /S  "},
  };
  for (const Case& c : cases) {
    host.events.clear();
    const ActionResult result = SingleAction(host, state, host.Config(), ActionRequest{c.action, false, ""});
    EXPECT_EQ(result.fileTested, c.tested) << c.action;
    EXPECT_EQ(host.events, Events{std::string("start: ") + c.started}) << c.action;
  }
  // Only options: the last one is looked for, as it always was.
  EXPECT_EQ(SingleAction(host, state, host.Config(), ActionRequest{"/S -q", false, ""}).fileTested, "-q");
}

TEST_F(SingleActionTest, CheckNamesTheFileToTestInsteadOfTheLastWord) {
  host.currentDirectory = "D:\\Product Disc";
  files = {"D:\\Product Disc\\setup.ini"};
  ActionOptions options;
  options.Check = "$PWD\\setup.ini";
  EXPECT_EQ(SingleAction(host, state, host.Config(), {"setup.exe /config setup.ini", false, "", options}).fileTested,
            "D:\\Product Disc\\setup.ini");
  EXPECT_EQ(host.events.back(), "start: setup.exe /config setup.ini");
  options.Check = "\\";  // no test at all
  host.events.clear();
  SingleAction(host, state, host.Config(), {"msiexec /x {1A2B} /qb", false, "", options});
  EXPECT_EQ(host.events, Events{"start: msiexec /x {1A2B} /qb"});
  // The disc question waits for the same file.
  options.Check = "data\\pkg.dat";
  host.answers = {true};
  SingleAction(host, state, host.Config(), {"[DISKCHANGE:Disc 2]\"Setup Files\\setup.exe\" /S", false, "", options});
  EXPECT_EQ(host.awaitedFiles.back(), "data\\pkg.dat (any drive)");
  EXPECT_EQ(host.events.end()[-2], "retry-cancel: Missing | data\\pkg.dat was not found.\\n\\rInsert Disc 2. -> Cancel");
}

TEST_F(SingleActionTest, CommandLinesLongerThan512AreNotStarted) {
  const std::string file(600, 'f');
  files = {file};
  Events events = Run("run.exe " + file);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind("error: This action was not started: its command line is longer than 512", 0), 0u);
  EXPECT_NE(events[0].find("The action is: run.exe fff"), std::string::npos);
  const std::string fits(512 - 8, 'f');
  files = {fits};
  EXPECT_EQ(Run("run.exe " + fits), Events{"start: run.exe " + fits});
}

// The disc-change state, row by row.
TEST_F(SingleActionTest, DiscChangeAsksForAnotherDiscAndCompletesWhenAFileIsFound) {
  files = {"samples\\s.exe"};
  host.answers = {true};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]samples\\s.exe"),
            (Events{"ok-cancel: Insert disc | Please insert Disc 2 now.\\n\\rThen click OK. -> OK", "foreground",
                    "start: samples\\s.exe"}));
  EXPECT_FALSE(state.DiskChangePending);
  EXPECT_EQ(state.CurrentDiscTitle, "Disc 2");
  EXPECT_EQ(state.LauncherDiscTitle, "Orbit disc");
  // The same disc again: no question.
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]samples\\s.exe"), Events{"start: samples\\s.exe"});
}

TEST_F(SingleActionTest, CancelledDiscChangeEndsTheAction) {
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]samples\\s.exe"),
            (Events{"ok-cancel: Insert disc | Please insert Disc 2 now.\\n\\rThen click OK. -> Cancel", "foreground"}));
  EXPECT_FALSE(state.DiskChangePending);
  EXPECT_EQ(state.RequestedDisc, "Disc 2");
  EXPECT_EQ(state.CurrentDiscTitle, "Orbit disc");
}

TEST_F(SingleActionTest, MissingFileKeepsTheChangePendingUntilAnyActionFindsItsFile) {
  host.answers = {true, false};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]samples\\s.exe"),
            (Events{"ok-cancel: Insert disc | Please insert Disc 2 now.\\n\\rThen click OK. -> OK", "foreground",
                    "retry-cancel: Missing | samples\\s.exe was not found.\\n\\rInsert Disc 2. -> Cancel",
                    "foreground"}));
  EXPECT_TRUE(state.DiskChangePending);
  EXPECT_EQ(state.CurrentDiscTitle, "Orbit disc");
  // A plain action that misses its file while the change is pending names
  // the requested disc and leaves the change pending.
  EXPECT_EQ(Run("other.exe")[0], "retry-cancel: Missing | other.exe was not found.\\n\\rInsert Disc 2. -> Cancel");
  EXPECT_TRUE(state.DiskChangePending);
  // Any action whose file is found completes the change.
  files = {"found.exe"};
  EXPECT_EQ(Run("found.exe"), Events{"start: found.exe"});
  EXPECT_FALSE(state.DiskChangePending);
  EXPECT_EQ(state.CurrentDiscTitle, "Disc 2");
  // Idle again: a plain action's files are looked for on the launcher's disc.
  EXPECT_EQ(Run("gone.exe")[0], "retry-cancel: Missing | gone.exe was not found.\\n\\rInsert Orbit disc. -> Cancel");
  EXPECT_EQ(state.RequestedDisc, "Orbit disc");
  EXPECT_EQ(state.CurrentDiscTitle, "Disc 2");
}

TEST_F(SingleActionTest, PrefixWithoutClosingBracketAsksForAnEmptyTitle) {
  Events events = Run("[DISKCHANGE:Disc 2 setup.exe");
  EXPECT_EQ(events[0], "ok-cancel: Insert disc | Please insert  now.\\n\\rThen click OK. -> Cancel");
  EXPECT_EQ(state.RequestedDisc, "");
  host.answers = {true};
  events = Run("[DISKCHANGE:Disc 2 setup.exe");
  EXPECT_EQ(events[2], "retry-cancel: Missing | setup.exe was not found.\\n\\rInsert . -> Cancel");
  // Only the prefix: the empty file name is never found.
  host.answers = {true};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 3]")[2], "retry-cancel: Missing |  was not found.\\n\\rInsert Disc 3. -> Cancel");
}

TEST_F(SingleActionTest, RetryRunsTheWholeActionAgainWithoutLimit) {
  int looks = 0;
  host.fileExists = [&](const std::string&) { return ++looks > 3; };
  host.answers = std::deque<bool>(7, true);
  Events events = Run("[DISKCHANGE:Disc 2]setup.exe");
  // Disc question and missing-file question three times, then the disc
  // question once more and the start.
  ASSERT_EQ(events.size(), 3u * 4u + 3u);
  EXPECT_EQ(events[0].rfind("ok-cancel:", 0), 0u);
  EXPECT_EQ(events[2].rfind("retry-cancel:", 0), 0u);
  EXPECT_EQ(events[4].rfind("ok-cancel:", 0), 0u);  // asked again: Disc 2 is not yet current
  EXPECT_EQ(events[12], "ok-cancel: Insert disc | Please insert Disc 2 now.\\n\\rThen click OK. -> OK");
  EXPECT_EQ(events[14], "start: setup.exe");
}

TEST_F(SingleActionTest, DiskIsReplacedInEveryCaseAndInsideWords) {
  host.configuration["FileNotFoundDiskText"] = ": put the DISK in; a Diskette will not do<br>";
  EXPECT_EQ(Run("x.exe")[0],
            "retry-cancel: Missing | x.exe: put the Orbit disc in; a Orbit discette will not do\\n\\r -> Cancel");
  state.LauncherDiscTitle = "Disc<br>One";
  EXPECT_EQ(Run("x.exe")[0], "retry-cancel: Missing | x.exe: put the Disc\\n\\rOne in; a Disc\\n\\rOneette will not do\\n\\r -> Cancel");
}

TEST_F(SingleActionTest, EmptyActionAsksForTheLaunchersDisc) {
  host.answers = {true, false};
  Events events = Run("");
  EXPECT_EQ(events, (Events{"retry-cancel: Missing |  was not found.\\n\\rInsert Orbit disc. -> Retry", "foreground",
                            "retry-cancel: Missing |  was not found.\\n\\rInsert Orbit disc. -> Cancel", "foreground"}));
}

// Each question is told the file the action tests next, so that it can
// answer itself once that file is there: for the disc question, the last
// word after the prefix with its tokens replaced, below the root of any drive
// with media; "\\" is started untested, so there is nothing to wait for.
TEST_F(SingleActionTest, QuestionsAwaitTheFileTheActionTestsNext) {
  host.currentDirectory = "D:\\";
  Run("[DISKCHANGE:Disc 2]setup\\x.exe $PWD\\data\\a.cab");
  Run("[DISKCHANGE:Disc 3]explorer \\");
  Run("missing.exe");
  EXPECT_EQ(host.awaitedFiles, (std::vector<std::string>{"data\\a.cab (any drive)", "", "missing.exe"}));
}

// A disc set whose discs are mounted on drives of their own (images, a
// second drive): disc 1 is D:, E: has no disc, F: holds disc 2.
class MountedDiscSetTest : public SingleActionTest {
 protected:
  MountedDiscSetTest() {
    host.currentDirectory = "D:\\";
    host.mediaDrives = {"D:\\", "E:\\", "F:\\"};
    host.drivesNotReady = {"E:\\"};
    host.fileExists = [this](const std::string& name) {
      const std::string path = name.size() > 1 && name[1] == ':' ? name : host.currentDirectory + name;
      checked.push_back(path);
      return files.count(path) > 0;
    };
  }
};

TEST_F(MountedDiscSetTest, TheNextDiscIsFoundOnItsOwnDriveWithoutAQuestionAndRunsFromItsRoot) {
  files = {"F:\\setup\\s.exe", "F:\\data.cab"};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]setup\\s.exe /S"),
            (Events{"disc 'Disc 2' found on F:\\", "start: F:\\setup\\s.exe /S"}));
  EXPECT_EQ(host.startFolders.back(), "F:\\");  // the program's working directory
  EXPECT_EQ(host.currentDirectory, "D:\\");     // the launcher's own again
  EXPECT_EQ(state.CurrentDiscTitle, "Disc 2");
  EXPECT_EQ(state.CurrentDiscRoot, "F:\\");
  // E: has no disc: skipped without a look; D: is disc 1, never searched
  // before the question.
  for (const std::string& path : checked) EXPECT_NE(path.substr(0, 2), "E:") << path;
  // $PWD is the root the disc was found on.
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]setup\\s.exe $PWD\\data.cab").back(), "start: F:\\setup\\s.exe F:\\data.cab");
}

TEST_F(MountedDiscSetTest, ADiscFoundBeforeIsLookedForThereFirstAndTheLaunchersDiscAtHome) {
  files = {"F:\\setup.exe"};
  Run("[DISKCHANGE:Disc 2]setup.exe");
  // Disc 1 has a setup.exe too: disc 2's is still the one started.
  files.insert("D:\\setup.exe");
  EXPECT_EQ(Run("[DISKCHANGE:Disc 2]setup.exe"), (Events{"disc 'Disc 2' found on F:\\", "start: F:\\setup.exe"}));
  // The launcher's own disc, and a plain action, look at home only.
  files.erase("D:\\setup.exe");
  checked.clear();
  host.answers = {true};
  EXPECT_EQ(Run("[DISKCHANGE:Orbit disc]setup.exe")[2],
            "retry-cancel: Missing | setup.exe was not found.\\n\\rInsert Orbit disc. -> Cancel");
  EXPECT_EQ(checked, std::vector<std::string>{"D:\\setup.exe"});
  EXPECT_EQ(host.awaitedFiles.back(), "setup.exe");
}

TEST_F(MountedDiscSetTest, WithoutTheFileAnywhereTheQuestionsWaitForItOnEveryDrive) {
  host.answers = {true, false};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 3]setup.exe"),
            (Events{"ok-cancel: Insert disc | Please insert Disc 3 now.\\n\\rThen click OK. -> OK", "foreground",
                    "retry-cancel: Missing | setup.exe was not found.\\n\\rInsert Disc 3. -> Cancel", "foreground"}));
  EXPECT_EQ(host.awaitedFiles, (std::vector<std::string>{"setup.exe (any drive)", "setup.exe (any drive)"}));
  // Unattended, the search is the same and nothing is asked.
  state.Quiet = true;
  files = {"F:\\setup.exe"};
  EXPECT_EQ(Run("[DISKCHANGE:Disc 3]setup.exe"), (Events{"disc 'Disc 3' found on F:\\", "start: F:\\setup.exe"}));
}

TEST_F(SingleActionTest, WithWaitForWindowsInstallerAStartWaitsAndA1618IsStartedAgainThreeTimesAtMost) {
  files = {"a.msi"};
  state.WaitForWindowsInstaller = true;
  const std::string start = "start: msiexec /i a.msi";
  auto repeat = [](int n) { return "repeat " + std::to_string(n) + " of 3: msiexec /i a.msi (it ended with 1618: another installation in progress)"; };
  host.installerBusySeconds = {4};
  host.exitCodes = {{1, 1618}};
  EXPECT_EQ(Run("msiexec /i a.msi"), (Events{"windows installer busy: waited 4 s", start, repeat(1), start}));
  // Busy every time: four starts, and the last one's code stands.
  host.exitCodes.clear();
  host.startResult = 1618;
  const ActionResult busy = SingleAction(host, state, host.Config(), ActionRequest{"msiexec /i a.msi", false, "", {}});
  EXPECT_EQ(busy.verdict, Verdict::kFailed);
  EXPECT_EQ(busy.code, 1618);
  EXPECT_EQ(Run("msiexec /i a.msi"), (Events{start, repeat(1), start, repeat(2), start, repeat(3), start}));
  // Without the key a disc behaves as it always has.
  state.WaitForWindowsInstaller = false;
  host.installerBusySeconds = {4};
  EXPECT_EQ(Run("msiexec /i a.msi"), Events{start});
  EXPECT_EQ(host.installerBusySeconds.size(), 1u);  // not asked
}

TEST_F(SingleActionTest, WaitForAllWaitsForEveryProgramTheInstallerStartsElevatedOrNot) {
  files = {"D:\\setup.exe", "a.cmp"};
  ActionOptions waitForAll;
  waitForAll.WaitForAll = true;
  host.events.clear();
  SingleAction(host, state, host.Config(), ActionRequest{"setup.exe a.cmp", false, "", waitForAll});
  EXPECT_EQ(host.events, Events{"start: setup.exe a.cmp (waiting for every program it starts)"});
  host.events.clear();
  host.startResult = std::nullopt;
  host.startError = kErrorElevationRequired;
  host.currentDirectory = "D:";
  SingleAction(host, state, host.Config(), ActionRequest{"D:\\setup.exe a.cmp", false, "", waitForAll});
  EXPECT_EQ(host.events.back(), "start elevated: D:\\setup.exe | a.cmp (waiting for every program it starts)");
}

}  // namespace
}  // namespace launcher
