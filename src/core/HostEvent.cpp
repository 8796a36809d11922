#include "core/HostEvent.h"

#include "core/Config.h"

namespace launcher {

std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

HostEvent HostEvent::Of(Kind kind) {
  HostEvent event;
  event.kind = kind;
  return event;
}

HostEvent HostEvent::Dialog(Kind kind, std::string title, std::string text, bool answer) {
  HostEvent event = Of(kind);
  event.title = std::move(title);
  event.text = std::move(text);
  event.answer = answer;
  return event;
}

HostEvent HostEvent::Question(Kind kind, std::string title, std::string text, Answer answer) {
  HostEvent event = Dialog(kind, std::move(title), std::move(text), Accepted(answer));
  event.fileArrived = answer == Answer::kYesFileArrived;
  return event;
}

HostEvent HostEvent::Notice(std::string title, std::string text, int seconds) {
  HostEvent event = Dialog(Kind::kNotice, std::move(title), std::move(text));
  event.seconds = seconds;
  return event;
}

HostEvent HostEvent::Start(StartWay way, WaitScope scope, std::string commandLine, std::string parameters) {
  HostEvent event = Of(Kind::kStart);
  event.way = way;
  event.scope = scope;
  event.text = std::move(commandLine);
  event.parameters = std::move(parameters);
  return event;
}

HostEvent HostEvent::InstallerBusy(uint32_t seconds) {
  HostEvent event = Of(Kind::kInstallerBusy);
  event.seconds = static_cast<int>(seconds);
  return event;
}

HostEvent HostEvent::Repeat(std::string commandLine, int repeat, int repeats) {
  HostEvent event = Of(Kind::kRepeat);
  event.text = std::move(commandLine);
  event.repeat = repeat;
  event.repeats = repeats;
  return event;
}

HostEvent HostEvent::Page(LauncherPage page) {
  HostEvent event = Of(Kind::kPage);
  event.page = page;
  return event;
}

HostEvent HostEvent::InputDropped(int clicks, int keys) {
  HostEvent event = Of(Kind::kInputDropped);
  event.clicks = clicks;
  event.keys = keys;
  return event;
}

HostEvent HostEvent::JobJoined(uint32_t processId, std::string file) {
  HostEvent event = Of(Kind::kJobJoined);
  event.code = processId;
  event.text = std::move(file);
  return event;
}

HostEvent HostEvent::JobEmpty(uint32_t seconds) {
  HostEvent event = Of(Kind::kJobEmpty);
  event.seconds = static_cast<int>(seconds);
  return event;
}

HostEvent HostEvent::JobRefused(uint32_t error) {
  HostEvent event = Of(Kind::kJobRefused);
  event.code = error;
  return event;
}

HostEvent HostEvent::CloseHeld(bool programRuns) {
  HostEvent event = Of(Kind::kCloseHeld);
  event.answer = programRuns;
  return event;
}

HostEvent HostEvent::CloseCarriedOut(bool heldForAProgram) {
  HostEvent event = Of(Kind::kCloseCarriedOut);
  event.answer = heldForAProgram;
  return event;
}

HostEvent HostEvent::LauncherStarted(std::string version, uint32_t codePage, bool unattended) {
  HostEvent event = Of(Kind::kLauncherStarted);
  event.text = std::move(version);
  event.code = codePage;
  event.answer = unattended;
  return event;
}

HostEvent HostEvent::FolderEntered(std::string where, std::string folder, bool entered) {
  HostEvent event = Of(Kind::kFolderEntered);
  event.text = std::move(where);
  event.title = std::move(folder);
  event.answer = entered;
  return event;
}

HostEvent HostEvent::DiscFound(std::string disc, std::string root) {
  HostEvent event = Of(Kind::kDiscFound);
  event.title = std::move(disc);
  event.text = std::move(root);
  return event;
}

HostEvent HostEvent::End(std::optional<int32_t> exitCode) {
  HostEvent event = Of(Kind::kEnd);
  event.answer = exitCode.has_value();
  event.code = exitCode.value_or(0);
  return event;
}

HostEvent HostEvent::Outcome(std::string label, Verdict verdict, int64_t code) {
  HostEvent event = Of(Kind::kOutcome);
  event.text = std::move(label);
  event.verdict = verdict;
  event.code = code;
  return event;
}

std::string Describe(const HostEvent& event) {
  const std::string titled = OneLine(event.title) + " | " + OneLine(event.text);
  const std::string byItself = event.fileArrived ? " (file arrived)" : "";
  switch (event.kind) {
    case HostEvent::Kind::kInfo: return "info: " + titled;
    case HostEvent::Kind::kOkCancel:
      return "ok-cancel: " + titled + (event.answer ? " -> OK" : " -> Cancel") + byItself;
    case HostEvent::Kind::kRetryCancel:
      return "retry-cancel: " + titled + (event.answer ? " -> Retry" : " -> Cancel") + byItself;
    case HostEvent::Kind::kMessage: return "message: " + OneLine(event.text);
    case HostEvent::Kind::kError: return "error: " + OneLine(event.text);
    case HostEvent::Kind::kNotice: return "notice: " + titled + " (" + std::to_string(event.seconds) + " s)";
    case HostEvent::Kind::kStart: {
      const std::string waiting =
          event.scope == WaitScope::kEveryProgram ? " (waiting for every program it starts)" : "";
      switch (event.way) {
        case StartWay::kPlain: return "start: " + event.text + waiting;
        case StartWay::kAssisted: return "start assisted: " + event.text + waiting;
        case StartWay::kElevated: return "start elevated: " + event.text + " | " + event.parameters + waiting;
      }
      break;
    }
    case HostEvent::Kind::kInstallerBusy:
      return "windows installer busy: waited " + std::to_string(event.seconds) + " s";
    case HostEvent::Kind::kRepeat:
      return "repeat " + std::to_string(event.repeat) + " of " + std::to_string(event.repeats) + ": " + event.text +
             " (it ended with " + std::to_string(kExitInstallerBusy) +
             ": another installation in progress)";
    case HostEvent::Kind::kInputDropped: {
      const auto counted = [](int count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
      };
      std::string text = "input during the wait: ";
      if (event.clicks > 0) text += counted(event.clicks, "click", "clicks");
      if (event.clicks > 0 && event.keys > 0) text += ", ";
      if (event.keys > 0) text += counted(event.keys, "key", "keys");
      return text + " dropped";
    }
    case HostEvent::Kind::kJobJoined:
      return "job: process " + std::to_string(event.code) + " (" + event.text + ") joined";
    case HostEvent::Kind::kJobEmpty:
      return "job: the last program ended after " + std::to_string(event.seconds) + " s";
    case HostEvent::Kind::kJobRefused:
      return "job: the program could not be put in a job of the launcher's (error " + std::to_string(event.code) +
             "): the launcher waits for it alone";
    case HostEvent::Kind::kCloseHeld:
      return event.answer ? "close: held until the running program has ended"
                          : "close: held until the action under way has ended";
    case HostEvent::Kind::kCloseCarriedOut:
      return event.answer ? "close: carried out, the program has ended" : "close: carried out, the action has ended";
    case HostEvent::Kind::kLauncherStarted:
      return "start: launcher " + event.text + ", code page " + std::to_string(event.code) +
             (event.answer ? ", unattended" : "");
    case HostEvent::Kind::kFolderEntered:
      return "folder: " + event.text + " has no " + kArchiveName + "; " +
             (event.answer ? "the launcher's own folder is the disc: " : "cannot enter the launcher's own folder: ") +
             event.title;
    case HostEvent::Kind::kUnattendedRefused:
      return "unattended: another launcher runs, or Windows Installer asks for a disc";
    case HostEvent::Kind::kDiscFound: return "disc '" + OneLine(event.title) + "' found on " + event.text;
    case HostEvent::Kind::kEnd: return event.answer ? "end: exit code " + std::to_string(event.code) : "end";
    case HostEvent::Kind::kForeground: return "foreground";
    case HostEvent::Kind::kCloseMainWindow: return "close main window";
    case HostEvent::Kind::kPage: return event.page == LauncherPage::kMenu ? "page: menu" : "page: selection";
    case HostEvent::Kind::kOutcome:
      return "outcome: " + OneLine(event.text) + ": " + VerdictName(event.verdict) +
             (event.code != 0 ? " (code " + std::to_string(event.code) + ")" : std::string());
  }
  return {};
}

}  // namespace launcher
