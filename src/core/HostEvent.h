// What the launcher did, as facts: the scripted host and the recording view
// write these down for disccheck and the tests, and the launcher's log
// writes them for support; one line an event, the same words in both.
#pragma once

#include <cstdint>
#include <optional>
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
    kInputDropped,     // clicks and keys that came during a wait, dropped: clicks, keys
    kJobJoined,        // a program joined the job of the one the launcher waits for: code (its id), text (its file)
    kJobEmpty,         // the job's last program ended: seconds after the start
    kJobRefused,       // the program could not be put in a job: code (the system's error)
    kCloseHeld,        // a close came while the launcher was busy: answer (a program runs)
    kCloseCarriedOut,  // the held close, once the launcher is done: answer (it was held for a program)
    kLauncherStarted,  // the launcher started, with a log: text (version), code (code page), answer (unattended)
    kFolderEntered,    // started away from its disc: text (where), title (its own folder), answer (entered)
    kUnattendedRefused,  // unattended, while another launcher runs or Windows Installer asks for a disc
    kDiscFound,        // a disc of the set found on a drive of its own: title (the disc), text (the drive's root)
    kEnd,              // the launcher ends: code (the unattended run's exit code), answer (there is one)
  };
  Kind kind = Kind::kInfo;
  std::string title;
  std::string text;
  bool answer = false;       // OK, Retry
  bool fileArrived = false;  // the launcher gave that answer itself
  int seconds = 0;
  int repeat = 0, repeats = 0;
  int clicks = 0, keys = 0;
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
  static HostEvent InputDropped(int clicks, int keys);
  static HostEvent JobJoined(uint32_t processId, std::string file);
  static HostEvent JobEmpty(uint32_t seconds);
  static HostEvent JobRefused(uint32_t error);
  static HostEvent CloseHeld(bool programRuns);
  static HostEvent CloseCarriedOut(bool heldForAProgram);
  static HostEvent LauncherStarted(std::string version, uint32_t codePage, bool unattended);
  static HostEvent FolderEntered(std::string where, std::string folder, bool entered);
  static HostEvent DiscFound(std::string disc, std::string root);
  static HostEvent End(std::optional<int32_t> exitCode);
};

// Where a host tells what happened that no call of the session asked for:
// input dropped during a wait, the programs an installer started, a close
// held. The support log writes these like every other event.
class HostEventSink {
 public:
  virtual ~HostEventSink() = default;
  virtual void Report(const HostEvent& event) = 0;
};

// One line: "info: TITLE | TEXT", "ok-cancel: TITLE | TEXT -> OK",
// "retry-cancel: TITLE | TEXT -> Cancel", "... -> Retry (file arrived)", "message: TEXT", "error: TEXT",
// "notice: TITLE | TEXT (5 s)", "start: COMMAND", "start assisted: COMMAND",
// "start elevated: PROGRAM | PARAMETERS" (each followed by " (waiting for
// every program it starts)" where it does), "windows installer busy:
// waited 4 s", "repeat 1 of 3: COMMAND (it ended with 1618:
// another installation in progress)",
// "foreground", "close main window",
// "page: menu", "outcome: LABEL: failed (code 1603)",
// "input during the wait: 2 clicks, 1 key dropped", "job: process 260
// (setup.exe) joined", "job: the last program ended after 6 s", "close: held
// until the running program has ended", "close: carried out, the program has
// ended", "start: launcher 1.0.0, code page 1252", "disc 'Disc 2' found on
// E:\\", "end: exit code 0".
// Line breaks in texts are written \n and \r.
std::string Describe(const HostEvent& event);

// A text on one line: LF and CR written as \n and \r.
std::string OneLine(const std::string& text);

}  // namespace launcher
