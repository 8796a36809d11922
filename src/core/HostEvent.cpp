#include "core/HostEvent.h"

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
             " (Windows Installer was busy)";
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
