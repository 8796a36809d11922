// The menu buttons' single actions, and what they ask of the system.
#include "windows/Main.h"
#include "windows/Processes.h"
#include "windows/SystemQueries.h"
#include "windows/Win32Text.h"

namespace launcher {

void TInstallWindows::SingleAction(TInstallButton& sender) {
  const ActionRequest request{sender.ButtonAction(), sender.ButtonAssist(), sender.ButtonAssistText()};
  if (launcher::SingleAction(*this, State, request) == ActionOutcome::kClosing) sender.SetClosing(true);
}

std::string TInstallWindows::GetRegistryValue(const std::string& keyPath, const std::string& valueName) {
  return launcher::GetRegistryValue(keyPath, valueName, [this](std::string_view s) { return host_.UpperCase(s); });
}

std::string TInstallWindows::CurrentDirectory() { return ReturnCurrentDirectory(host_); }

bool TInstallWindows::IsFilePresent(const std::string& name) { return launcher::IsFilePresent(name); }

void TInstallWindows::ShowInfoDialog(const std::string& title, const std::string& text) {
  Messages->ShowInfoDialog(title, text);
}

bool TInstallWindows::ShowOKCancelDialog(const std::string& title, const std::string& text) {
  return Messages->ShowOKCancelDialog(title, text);
}

bool TInstallWindows::ShowRetryCancelDialog(const std::string& title, const std::string& text) {
  return Messages->ShowRetryCancelDialog(title, text);
}

void TInstallWindows::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  Messages->ShowDelayDialog(title, text, seconds);
}

void TInstallWindows::ShowMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), application_.Title().c_str(), MB_OK | MB_TASKMODAL);
}

int32_t TInstallWindows::RunWinProcess(const std::string& commandLine, int16_t show) {
  const int32_t result = launcher::RunWinProcess(commandLine, show);
  lastStartError_ = GetLastError();
  return result;
}

int32_t TInstallWindows::WinExecAndWait32(const std::string& commandLine, int16_t show) {
  const int32_t result = launcher::WinExecAndWait32(commandLine, show);
  lastStartError_ = GetLastError();
  return result;
}

int32_t TInstallWindows::StartElevated(const std::string& program, const std::string& parameters, int16_t show) {
  const int32_t result =
      launcher::StartElevated(program, parameters, show, application_.Window(), CurrentDirectory());
  lastStartError_ = GetLastError();
  return result;
}

std::optional<std::string> TInstallWindows::FindProgram(const std::string& name) {
  return launcher::FindProgram(name, CurrentDirectory(), host_.EnvironmentVariable("PATH"));
}

std::string TInstallWindows::LastErrorText() { return SystemErrorText(lastStartError_); }

void TInstallWindows::ForceForeground() { ForceForegroundWindow(application_.Window()); }

}  // namespace launcher
