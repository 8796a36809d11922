// What the launcher did, as the scripted host and the recording view write
// it down: typed, so that disccheck reads facts rather than message texts,
// and printed one line an event for people and golden files.
#pragma once

#include <string>

#include "core/LauncherView.h"
#include "core/SingleAction.h"

namespace launcher {

struct SimEvent {
  enum class Kind {
    kInfo,             // the information window: title, text
    kOkCancel,         // the OK/Cancel question: title, text, answer
    kRetryCancel,      // the Retry/Cancel question: title, text, answer
    kMessage,          // a plain message: text
    kError,            // the error box: text
    kNotice,           // the timed notice: title, text, seconds
    kStart,            // a program started: way, text (the command line or program), parameters
    kForeground,       // the launcher brought to the front
    kCloseMainWindow,  // the launcher ends
    kPage,             // a page brought to the front
  };
  Kind kind = Kind::kInfo;
  std::string title;
  std::string text;
  bool answer = false;  // OK, Retry
  int seconds = 0;
  StartWay way = StartWay::kPlain;
  std::string parameters;
  LauncherPage page = LauncherPage::kMenu;

  static SimEvent Of(Kind kind);
  static SimEvent Dialog(Kind kind, std::string title, std::string text, bool answer = false);
  static SimEvent Notice(std::string title, std::string text, int seconds);
  static SimEvent Start(StartWay way, std::string commandLine, std::string parameters = {});
  static SimEvent Page(LauncherPage page);
};

// One line: "info: TITLE | TEXT", "ok-cancel: TITLE | TEXT -> OK",
// "retry-cancel: TITLE | TEXT -> Cancel", "message: TEXT", "error: TEXT",
// "notice: TITLE | TEXT (5 s)", "start: COMMAND", "start assisted: COMMAND",
// "start elevated: PROGRAM | PARAMETERS", "foreground", "close main window",
// "page: menu". Line breaks in texts are written \n and \r.
std::string Describe(const SimEvent& event);

// A text on one line: LF and CR written as \n and \r.
std::string OneLine(const std::string& text);

}  // namespace launcher
