// SingleAction: runs one action text, the small language of the menu
// buttons and the components: exit, message, disc change, tokens, and the
// start of a program after its file has been found.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace launcher {

// What an action needs of the launcher and of the system. The launcher
// answers with its windows and the real calls; the tests and disccheck's
// simulation answer with a script.
class ActionHost {
 public:
  virtual ~ActionHost() = default;
  // A configuration value as 8-bit text; empty when the key is missing.
  virtual std::string Config(const std::string& key) = 0;
  // May raise LauncherError ("Invalid data type for '%s'").
  virtual std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) = 0;
  // The current directory without a trailing "\".
  virtual std::string CurrentDirectory() = 0;
  virtual bool IsFilePresent(const std::string& name) = 0;
  virtual std::string UpperCase(std::string_view text) = 0;

  virtual void ShowInfoDialog(const std::string& title, const std::string& text) = 0;
  virtual bool ShowOKCancelDialog(const std::string& title, const std::string& text) = 0;
  virtual bool ShowRetryCancelDialog(const std::string& title, const std::string& text) = 0;
  // A plain message with OK, titled with the application title.
  virtual void ShowMessage(const std::string& text) = 0;
  // The error box: error icon, OK, titled with the application title.
  virtual void ShowError(const std::string& text) = 0;
  // The timed notice: shown, painted, held for the seconds, hidden.
  virtual void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) = 0;

  // Start and wait: the exit code, or -1 when the program cannot be started.
  virtual int32_t RunWinProcess(const std::string& commandLine, int16_t show) = 0;
  virtual int32_t WinExecAndWait32(const std::string& commandLine, int16_t show) = 0;
  // The system's message for the error of the last failed start.
  virtual std::string LastErrorText() = 0;
  // The system's error number of the last failed start.
  virtual uint32_t LastStartError() = 0;
  // Where a plain start finds the program file `name` (the launcher's
  // folder, the current directory, the system folders, the path).
  virtual std::optional<std::string> FindProgram(const std::string& name) = 0;
  // Starts the program through the shell, which asks for administrator
  // consent, in the current directory, and waits: the exit code, or -1 when
  // it did not start (declined consent among it; the shell's error is then
  // the last start error).
  virtual int32_t StartElevated(const std::string& program, const std::string& parameters, int16_t show) = 0;

  // Brings the application window to the front.
  virtual void ForceForeground() = 0;
  virtual void CloseMainWindow() = 0;
};

// The disc-change state and what the registry said, kept across actions.
struct ActionState {
  bool DiskChangePending = false;
  std::string RequestedDisc;
  std::string CurrentDiscTitle;
  std::string LauncherDiscTitle;
  std::string RegisteredPath;
  std::string JavaExecutable;
  std::string ShellLauncher;
};

// What SingleAction reads of the button that sends it.
struct ActionRequest {
  std::string ButtonAction;
  bool ButtonAssist = false;
  std::string ButtonAssistText;
};

enum class ActionOutcome {
  kDone,
  kClosing,  // the exit action closed the main window: the sender must not react to its release
};

inline constexpr int16_t kShowNormal = 1;
inline constexpr size_t kCommandLineLimit = 512;

ActionOutcome SingleAction(ActionHost& host, ActionState& state, const ActionRequest& sender);

}  // namespace launcher
