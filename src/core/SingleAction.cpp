#include "core/SingleAction.h"

#include <algorithm>
#include <cctype>

#include "core/CommandLine.h"
#include "core/CommandWords.h"
#include "core/HostEvent.h"
#include "core/Selection.h"
#include "core/Config.h"
#include "core/Startup.h"
#include "core/Tokens.h"

namespace launcher {
namespace {


// A drive root entered for an action of another disc, and the launcher's
// own root again when it ends; the launcher's own root ("") is where the
// launcher is, and is never entered.
class RootVisit {
 public:
  RootVisit(LauncherHost& host, const std::string& root) : host_(host) {
    if (root.empty()) return;
    home_ = host.CurrentDirectory();
    entered_ = host.EnterFolder(root);
    ready_ = entered_;
  }
  ~RootVisit() {
    if (entered_) host_.EnterFolder(home_);
  }
  RootVisit(const RootVisit&) = delete;
  RootVisit& operator=(const RootVisit&) = delete;
  // False for a drive that is not ready: it is skipped at once.
  bool Ready() const { return ready_; }

 private:
  LauncherHost& host_;
  std::string home_;
  bool entered_ = false;
  bool ready_ = true;
};

bool IsAbsolutePath(const std::string& path) {
  return (!path.empty() && (path[0] == '\\' || path[0] == '/')) || (path.size() >= 2 && path[1] == ':');
}

bool OnSameDrive(const std::string& a, const std::string& b) {
  auto drive = [](const std::string& path) {
    return path.size() >= 2 && path[1] == ':' ? static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))
                                              : '\0';
  };
  return drive(a) != '\0' && drive(a) == drive(b);
}

// The title between the prefix and the first "]": from the 13th character,
// wherever the prefix was found; empty without a "]" after it.
std::string RequestedDiscOf(const std::string& text) {
  const size_t close = FindText(text, "]");
  const size_t start = CharacterOffset(text, kDiscChangePrefix.size());
  if (close == std::string::npos || close <= start) return {};
  return text.substr(start, close - start);
}

// An action text read as a command line, its tokens replaced.
struct Command {
  std::string fileToCheck;  // the file the action tests before it starts anything
  std::string line;         // what a plain start hands Windows
  std::string program;      // the first word as the program reads it
  size_t programEnd = 0;    // where the first word ends in `line`
};

class Runner {
 public:
  Runner(LauncherHost& host, ActionState& state, const ConfigLookup& config, const ActionRequest& sender)
      : host_(host),
        state_(state),
        config_(config),
        sender_(sender),
        upper_([&host](std::string_view s) { return host.UpperCase(s); }) {}

  // One pass over the action; true when the user asked to try it again.
  bool RunOnce();
  const ActionResult& Result() const { return result_; }

 private:
  std::string Breaks(std::string_view text) const { return WithLineBreaks(text, upper_); }
  bool Contains(std::string_view text, std::string_view part) const { return ContainsText(text, part); }
  std::string WithTokens(const std::string& text) const;
  Command Read(const std::string& text) const;
  // The last word that is no option, unless the sender names the file.
  std::string FileToCheckOf(const std::vector<std::string>& words) const;
  bool AskForDisc(std::string& text);
  // An action of another disc of a set than the launcher's own: its file
  // may be on a drive of its own (a mounted image, a second drive).
  bool OtherDisc() const {
    return state_.DiskChangePending && state_.RequestedDisc != state_.LauncherDiscTitle;
  }
  // The drives with media but the launcher's own.
  std::vector<std::string> OtherMediaRoots() const;
  // Where the action's file is looked for, in order; "" is the launcher's
  // own root.
  std::vector<std::string> RootsToSearch() const;
  bool FoundOnOtherMedia(const std::string& text);
  // A file tested on another drive's root, entered, is named with that
  // root, so that the log and disccheck say where it was looked for.
  std::string OnRoot(const std::string& file, const std::string& root) const {
    if (root.empty() || file == "\\" || IsAbsolutePath(file)) return file;
    return ReturnCurrentDirectory(host_) + "\\" + file;
  }
  AwaitedFile Awaited(const std::string& fileToCheck) const;
  void Start(Command command, const std::string& root);
  // One start of the program, elevated where Windows asks for consent.
  StartResult StartOnce(const std::string& commandLine, StartWay way);
  StartResult StartElevatedIfNeeded(StartResult result, const std::string& commandLine, WaitScope scope);
  void Started(const std::string& commandLine, StartWay way) {
    result_.commandLine = commandLine;
    result_.way = way;
  }
  bool AskToRetry(const std::string& fileToCheck);
  bool Fits(const std::string& commandLine);

  LauncherHost& host_;
  ActionState& state_;
  const ConfigLookup& config_;
  const ActionRequest& sender_;
  UpperCaseFn upper_;
  ActionResult result_;
  std::string foundRoot_;  // where the disc asked for was found before its question
};

bool Runner::RunOnce() {
  std::string text = sender_.ButtonAction;
  if (IsExitAction(text)) {
    result_.outcome = ActionOutcome::kClosing;
    return false;
  }

  // The registry is read for every other action, whether or not it uses it.
  try {
    state_.RegisteredPath = host_.GetRegistryValue(config_("RegKey"), "PathName");
  } catch (const LauncherError& error) {
    result_.verdict = Verdict::kFailed;
    host_.ShowError(error.what());
    return false;
  }
  state_.JavaExecutable = state_.RegisteredPath + "\\jdk1.4\\bin\\javaw.exe";

  if (IsMessageAction(text)) {
    const std::string message = Breaks(ReplaceIgnoringCase(text, kMessageMark, "", upper_));
    if (state_.Quiet) {
      host_.Log("message not shown (unattended): " + OneLine(message));
      return false;
    }
    host_.ShowInfoDialog(config_("AdditionalActionTitle"), message);
    host_.ForceForeground();
    return false;
  }

  if (Contains(text, kDiscChangePrefix) && !AskForDisc(text)) return false;

  std::string missing;  // the file as the launcher's own root names it
  for (const std::string& root : RootsToSearch()) {
    const RootVisit visit(host_, root);
    if (!visit.Ready()) continue;
    const Command command = Read(text);
    if (root.empty()) missing = command.fileToCheck;
    const std::string file = OnRoot(command.fileToCheck, root);
    if (file == "\\" || host_.IsFilePresent(file)) {
      result_.fileTested = file;
      if (!root.empty()) host_.DiscFound(state_.RequestedDisc, root);
      Start(command, root);
      return false;
    }
  }
  result_.fileTested = missing;
  return AskToRetry(missing);
}

std::vector<std::string> Runner::OtherMediaRoots() const {
  const std::string home = host_.CurrentDirectory();
  std::vector<std::string> roots;
  for (const std::string& root : host_.MediaDriveRoots()) {
    if (!OnSameDrive(root, home)) roots.push_back(root);
  }
  return roots;
}

// A disc found before is looked for where it was first; then the
// launcher's own root (a single drive, whose disc was swapped), then every
// other drive with media in letter order.
std::vector<std::string> Runner::RootsToSearch() const {
  if (!OtherDisc()) return {""};
  std::vector<std::string> roots;
  if (!foundRoot_.empty()) {
    roots.push_back(foundRoot_);
  } else if (state_.RequestedDisc == state_.CurrentDiscTitle && !state_.CurrentDiscRoot.empty()) {
    roots.push_back(state_.CurrentDiscRoot);
  }
  roots.push_back("");
  for (const std::string& root : OtherMediaRoots()) {
    if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
  }
  return roots;
}

bool Runner::FoundOnOtherMedia(const std::string& text) {
  for (const std::string& root : OtherMediaRoots()) {
    const RootVisit visit(host_, root);
    if (!visit.Ready()) continue;
    const std::string file = OnRoot(Read(text).fileToCheck, root);
    if (file != "\\" && host_.IsFilePresent(file)) {
      foundRoot_ = root;
      return true;
    }
  }
  return false;
}

// "\\" is started untested, so there is nothing to wait for. The file of
// another disc counts on any drive with media, below its root.
AwaitedFile Runner::Awaited(const std::string& fileToCheck) const {
  if (fileToCheck == "\\") return {};
  AwaitedFile awaited{fileToCheck, false};
  if (!OtherDisc()) return awaited;
  const std::string home = ReturnCurrentDirectory(host_) + "\\";
  if (fileToCheck.compare(0, home.size(), home) == 0) {
    awaited.path = fileToCheck.substr(home.size());
    awaited.onMediaDrives = true;
  } else {
    awaited.onMediaDrives = !IsAbsolutePath(fileToCheck);
  }
  return awaited;
}

std::string Runner::WithTokens(const std::string& text) const {
  if (!Contains(text, "$")) return text;
  std::string out = replaceTokens(text, kIeToken, "explorer");
  out = replaceTokens(out, kPwdToken, ReturnCurrentDirectory(host_));
  return replaceTokens(out, kJavaToken, state_.JavaExecutable);
}

// Word by word, so that a token whose value holds blanks (a disc folder
// named "Product Disc") leaves one word: tested whole, and quoted in the
// line started. A word in quotes stays as its author wrote it.
Command Runner::Read(const std::string& text) const {
  Command command;
  std::vector<std::string> words;
  size_t written = 0;
  for (const CommandWord& word : SplitCommandWords(text).words) {
    command.line += text.substr(written, word.begin - written);
    const std::string asWritten = WithTokens(text.substr(word.begin, word.end - word.begin));
    command.line += word.quoted ? asWritten : QuotedWhenBlank(asWritten);
    words.push_back(WithTokens(word.value));
    if (words.size() == 1) command.programEnd = command.line.size();
    written = word.end;
  }
  command.line += text.substr(written);
  command.program = words.empty() ? std::string() : words.front();
  command.fileToCheck = FileToCheckOf(words);
  return command;
}

std::string Runner::FileToCheckOf(const std::vector<std::string>& words) const {
  if (!sender_.Options.Check.empty()) return WithTokens(sender_.Options.Check);
  for (auto word = words.rbegin(); word != words.rend(); ++word) {
    if (!word->empty() && !(LooksLikeOption(*word) && !host_.IsFilePresent(*word))) return *word;
  }
  return words.empty() ? std::string() : words.back();  // only options: the last one, as it always was
}

bool Runner::AskForDisc(std::string& text) {
  state_.DiskChangePending = true;
  state_.RequestedDisc = RequestedDiscOf(text);
  const std::string question =
      Breaks(config_("InstallInsertMsg1") + state_.RequestedDisc + config_("InstallInsertMsg2"));
  text = text.substr(FindText(text, "]") + 1);  // without a "]" the whole text stays
  // Unattended, the file test decides whether the disc is in.
  if (state_.RequestedDisc == state_.CurrentDiscTitle || state_.Quiet) return true;
  // Mounted beside the launcher's disc (an image, a second drive): nothing to ask.
  if (OtherDisc() && FoundOnOtherMedia(text)) return true;
  const bool inserted =
      Accepted(host_.ShowOKCancelDialog(config_("DiskChangeTitle"), question, Awaited(Read(text).fileToCheck)));
  host_.ForceForeground();
  if (!inserted) {
    state_.DiskChangePending = false;
    result_.verdict = Verdict::kCancelled;
  }
  return inserted;
}

bool Runner::Fits(const std::string& commandLine) {
  if (commandLine.size() <= kCommandLineLimit) return true;
  result_.tooLong = true;
  result_.verdict = Verdict::kFailed;
  host_.ShowError("This action was not started: its command line is longer than " +
                  std::to_string(kCommandLineLimit) + " characters (" + std::to_string(commandLine.size()) +
                  "). The action is: " + sender_.ButtonAction);
  return false;
}

void Runner::Start(Command command, const std::string& root) {
  if (state_.DiskChangePending) {
    state_.DiskChangePending = false;
    state_.CurrentDiscTitle = state_.RequestedDisc;
    state_.CurrentDiscRoot = root;
  }
  // Windows looks for a program named without a folder beside the launcher
  // first, which is disc 1: a program of the disc in another drive gets
  // that drive's root in front of it.
  if (!root.empty() && !sender_.ButtonAssist && !command.program.empty() && !IsAbsolutePath(command.program) &&
      (host_.IsFilePresent(command.program) || host_.IsFilePresent(command.program + ".exe"))) {
    command.program = ReturnCurrentDirectory(host_) + "\\" + command.program;
    const std::string word = QuotedWhenBlank(command.program);
    command.line = word + command.line.substr(command.programEnd);
    command.programEnd = word.size();
  }
  std::string commandLine = command.line;
  StartWay way = StartWay::kPlain;
  if (sender_.ButtonAssist) {
    // The program is on the disc: its full path in quotes, so that Windows
    // never tries a shorter path that ends at a blank of the disc's folder.
    const std::string program = replaceTokens(command.program, "/", "\\");
    commandLine = Quoted(ReturnCurrentDirectory(host_) + "\\" + program) +
                  command.line.substr(command.programEnd) + " " + sender_.ButtonAssistText;
    way = StartWay::kAssisted;
  } else {
    const size_t firstBlank = FindText(commandLine, " ");
    const std::string firstWord = firstBlank == std::string::npos ? std::string() : commandLine.substr(0, firstBlank);
    if (firstWord == "explorer") commandLine = replaceTokens(commandLine, "explorer", state_.ShellLauncher);
  }
  if (!Fits(commandLine)) return;
  StartResult result = StartOnce(commandLine, way);
  // Windows Installer was busy after all (an update in the background, an
  // installation that another one left running): once it is free, again.
  for (int repeat = 1; state_.WaitForWindowsInstaller && result == kExitInstallerBusy && repeat <= kInstallerBusyRepeats;
       ++repeat) {
    host_.Repeating(commandLine, repeat, kInstallerBusyRepeats);
    result = StartOnce(commandLine, way);
  }
  if (!result) {
    result_.verdict = Verdict::kFailed;
    result_.code = host_.LastStartError();
    if (!state_.Quiet) host_.ShowMessage(host_.LastErrorText());
    return;
  }
  result_.ran = true;
  // A program that ran and ended with -1 failed with that code like any other.
  result_.verdict = VerdictOfExitCode(*result, sender_.Options.SuccessCodes, sender_.Options.CancelCodes);
  result_.code = *result;
}

StartResult Runner::StartOnce(const std::string& commandLine, StartWay way) {
  if (state_.WaitForWindowsInstaller) {
    host_.WaitWhileInstallerBusy(config_("LauncherTitle"), config_("InstallBusyMessage"));
  }
  Started(commandLine, way);
  const WaitScope scope = sender_.Options.WaitForAll ? WaitScope::kEveryProgram : WaitScope::kStartedProgram;
  const StartResult result = way == StartWay::kAssisted ? host_.WinExecAndWait32(commandLine, kShowNormal, scope)
                                                        : host_.RunWinProcess(commandLine, kShowNormal, scope);
  return StartElevatedIfNeeded(result, commandLine, scope);
}

// A program that needs administrator rights does not start plainly; the
// shell starts it after the user's consent. Without a program file to name,
// the plain start's error stands.
StartResult Runner::StartElevatedIfNeeded(StartResult result, const std::string& commandLine, WaitScope scope) {
  if (result || host_.LastStartError() != kErrorElevationRequired) return result;
  const auto start =
      SplitCommandLine(commandLine, [this](const std::string& name) { return host_.FindProgram(name); });
  if (!start) return result;
  result_.way = StartWay::kElevated;
  return host_.StartElevated(start->program, start->parameters, kShowNormal, scope);
}

bool Runner::AskToRetry(const std::string& fileToCheck) {
  if (state_.Quiet) {
    result_.fileMissing = true;
    result_.verdict = Verdict::kFailed;
    result_.code = kErrorFileNotFound;
    return false;
  }
  if (!state_.DiskChangePending) state_.RequestedDisc = state_.LauncherDiscTitle;
  const std::string body = ReplaceIgnoringCase(Breaks(config_("FileNotFoundDiskText")), "disk",
                                               Breaks(state_.RequestedDisc), upper_);
  result_.fileMissing = true;
  const bool retry = Accepted(host_.ShowRetryCancelDialog(config_("FileNotFoundDiskPromptTitle"), fileToCheck + body,
                                                          Awaited(fileToCheck)));
  host_.ForceForeground();
  if (!retry) result_.verdict = Verdict::kCancelled;
  return retry;
}

}  // namespace

bool IsExitAction(const std::string& text) { return text == kExitAction; }

bool IsMessageAction(const std::string& text) { return ContainsText(text, kMessageMark); }

ActionResult SingleAction(LauncherHost& host, ActionState& state, const ConfigLookup& config,
                          const ActionRequest& sender) {
  Runner runner(host, state, config, sender);
  // Retry runs the whole action again, registry and disc question included.
  while (runner.RunOnce()) {
  }
  return runner.Result();
}

}  // namespace launcher
