// SingleAction: runs one action text, the small language of the menu
// buttons and the components: exit, message, disc change, tokens, and the
// start of a program after its file has been found.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ExitCodes.h"
#include "core/LauncherHost.h"
#include "core/Verdict.h"
#include "core/Startup.h"

namespace launcher {

// The disc-change state and what the registry said, kept across actions.
struct ActionState {
  bool DiskChangePending = false;
  std::string RequestedDisc;
  std::string CurrentDiscTitle;
  // The root of the drive where the current disc was found ("E:\\"), when
  // it is mounted beside the launcher's own; empty for the launcher's drive.
  std::string CurrentDiscRoot;
  std::string LauncherDiscTitle;
  std::string RegisteredPath;
  std::string JavaExecutable;
  std::string ShellLauncher;
  // Every start waits while another Windows Installer installation runs,
  // and one that ends with 1618 is started again.
  bool WaitForWindowsInstaller = false;
  // An unattended run: nothing is asked or shown. A disc-change prefix asks
  // for no disc (the file test decides), a missing file fails the action,
  // and a message action is skipped.
  bool Quiet = false;
};

// What SingleAction reads of the button that sends it.
struct ActionRequest {
  std::string ButtonAction;
  bool ButtonAssist = false;
  std::string ButtonAssistText;
  ActionOptions Options = {};
};

enum class ActionOutcome {
  kDone,
  kClosing,  // the exit action: the main window is to close, and the sender must not react to its release
};

enum class StartWay { kPlain, kAssisted, kElevated };

// What one action did, for its caller and for disccheck.
struct ActionResult {
  ActionOutcome outcome = ActionOutcome::kDone;
  std::string fileTested;    // the last file the action looked for
  bool fileMissing = false;  // the missing-file question was asked
  bool tooLong = false;      // the command line was refused for its length
  std::string commandLine;   // the last command line started, empty when none was
  StartWay way = StartWay::kPlain;
  Verdict verdict = Verdict::kSucceeded;
  // The program's exit code, or the system's error number when it could not
  // be started or its file is missing (an unattended run); 0 when nothing
  // was started.
  int64_t code = 0;
  bool ran = false;  // a program ran and ended: `code` is its exit code
};

inline constexpr int16_t kShowNormal = 1;

// The forms of an action text, as the action runner tells them apart:
// the exit action is the whole text, letter case counting; a message action
// contains the mark; a disc-change prefix names the disc to ask for.
inline constexpr std::string_view kExitAction = "$EXIT$";
inline constexpr std::string_view kMessageMark = "[DIALOG]";
inline constexpr std::string_view kDiscChangePrefix = "[DISKCHANGE:";
bool IsExitAction(const std::string& text);
bool IsMessageAction(const std::string& text);
// How often a program that ends with Windows Installer's "another
// installation is already in progress" is started again.
inline constexpr int kInstallerBusyRepeats = 3;

// Runs the action text of `sender` with the configuration `config`. The
// text is read as a command line: the file tested is the last word that is
// no option (or the sender's "Check"), and the line started is the text as
// written, a word whose token put a blank in it quoted.
ActionResult SingleAction(LauncherHost& host, ActionState& state, const ConfigLookup& config,
                          const ActionRequest& sender);

}  // namespace launcher
