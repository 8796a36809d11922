#include "sim/SimEvent.h"

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

SimEvent SimEvent::Of(Kind kind) {
  SimEvent event;
  event.kind = kind;
  return event;
}

SimEvent SimEvent::Dialog(Kind kind, std::string title, std::string text, bool answer) {
  SimEvent event = Of(kind);
  event.title = std::move(title);
  event.text = std::move(text);
  event.answer = answer;
  return event;
}

SimEvent SimEvent::Notice(std::string title, std::string text, int seconds) {
  SimEvent event = Dialog(Kind::kNotice, std::move(title), std::move(text));
  event.seconds = seconds;
  return event;
}

SimEvent SimEvent::Start(StartWay way, std::string commandLine, std::string parameters) {
  SimEvent event = Of(Kind::kStart);
  event.way = way;
  event.text = std::move(commandLine);
  event.parameters = std::move(parameters);
  return event;
}

SimEvent SimEvent::Page(LauncherPage page) {
  SimEvent event = Of(Kind::kPage);
  event.page = page;
  return event;
}

std::string Describe(const SimEvent& event) {
  const std::string titled = OneLine(event.title) + " | " + OneLine(event.text);
  switch (event.kind) {
    case SimEvent::Kind::kInfo: return "info: " + titled;
    case SimEvent::Kind::kOkCancel: return "ok-cancel: " + titled + (event.answer ? " -> OK" : " -> Cancel");
    case SimEvent::Kind::kRetryCancel: return "retry-cancel: " + titled + (event.answer ? " -> Retry" : " -> Cancel");
    case SimEvent::Kind::kMessage: return "message: " + OneLine(event.text);
    case SimEvent::Kind::kError: return "error: " + OneLine(event.text);
    case SimEvent::Kind::kNotice: return "notice: " + titled + " (" + std::to_string(event.seconds) + " s)";
    case SimEvent::Kind::kStart:
      switch (event.way) {
        case StartWay::kPlain: return "start: " + event.text;
        case StartWay::kAssisted: return "start assisted: " + event.text;
        case StartWay::kElevated: return "start elevated: " + event.text + " | " + event.parameters;
      }
      break;
    case SimEvent::Kind::kForeground: return "foreground";
    case SimEvent::Kind::kCloseMainWindow: return "close main window";
    case SimEvent::Kind::kPage: return event.page == LauncherPage::kMenu ? "page: menu" : "page: selection";
  }
  return {};
}

}  // namespace launcher
