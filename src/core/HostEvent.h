// What the launcher did, as facts: the scripted host and the recording view
// write these down for disccheck and the tests, and the launcher's log
// writes them for support; one line an event, the same words in both.
#pragma once

#include <string>

#include "core/LauncherHost.h"
#include "core/LauncherView.h"
#include "core/SingleAction.h"

namespace launcher {

struct HostEvent {
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
    kOutcome,          // what became of an action: text (its label), verdict, code
    kInstallerBusy,    // the launcher waited for Windows Installer: seconds
    kRepeat,           // a program that found Windows Installer busy started again: text, repeat, repeats
  };
  Kind kind = Kind::kInfo;
  std::string title;
  std::string text;
  bool answer = false;       // OK, Retry
  bool fileArrived = false;  // the launcher gave that answer itself
  int seconds = 0;
  int repeat = 0, repeats = 0;
  StartWay way = StartWay::kPlain;
  WaitScope scope = WaitScope::kStartedProgram;
  std::string parameters;
  LauncherPage page = LauncherPage::kMenu;
  Verdict verdict = Verdict::kSucceeded;
  int64_t code = 0;

  static HostEvent Of(Kind kind);
  static HostEvent Dialog(Kind kind, std::string title, std::string text, bool answer = false);
  static HostEvent Question(Kind kind, std::string title, std::string text, Answer answer);
  static HostEvent Notice(std::string title, std::string text, int seconds);
  static HostEvent Start(StartWay way, WaitScope scope, std::string commandLine, std::string parameters = {});
  static HostEvent InstallerBusy(uint32_t seconds);
  static HostEvent Repeat(std::string commandLine, int repeat, int repeats);
  static HostEvent Page(LauncherPage page);
  static HostEvent Outcome(std::string label, Verdict verdict, int64_t code);
};

// One line: "info: TITLE | TEXT", "ok-cancel: TITLE | TEXT -> OK",
// "retry-cancel: TITLE | TEXT -> Cancel", "... -> Retry (file arrived)", "message: TEXT", "error: TEXT",
// "notice: TITLE | TEXT (5 s)", "start: COMMAND", "start assisted: COMMAND",
// "start elevated: PROGRAM | PARAMETERS" (each followed by " (waiting for
// every program it starts)" where it does), "windows installer busy:
// waited 4 s", "repeat 1 of 3: COMMAND (Windows Installer was busy)",
// "foreground", "close main window",
// "page: menu", "outcome: LABEL: failed (code 1603)". Line breaks in texts
// are written \n and \r.
std::string Describe(const HostEvent& event);

// A text on one line: LF and CR written as \n and \r.
std::string OneLine(const std::string& text);

}  // namespace launcher
