#include "core/LoggedHost.h"


namespace launcher {

bool LoggedHost::IsFilePresent(const std::string& name) {
  const bool present = inner_.IsFilePresent(name);
  Note("file: " + name + (present ? " (found)" : " (not found)"));
  return present;
}

void LoggedHost::ShowInfoDialog(const std::string& title, const std::string& text) {
  Event(HostEvent::Dialog(HostEvent::Kind::kInfo, title, text));
  inner_.ShowInfoDialog(title, text);
}

Answer LoggedHost::ShowOKCancelDialog(const std::string& title, const std::string& text,
                                      const AwaitedFile& awaited) {
  const Answer ok = inner_.ShowOKCancelDialog(title, text, awaited);
  Event(HostEvent::Question(HostEvent::Kind::kOkCancel, title, text, ok));
  return ok;
}

Answer LoggedHost::ShowRetryCancelDialog(const std::string& title, const std::string& text,
                                         const AwaitedFile& awaited) {
  const Answer retry = inner_.ShowRetryCancelDialog(title, text, awaited);
  Event(HostEvent::Question(HostEvent::Kind::kRetryCancel, title, text, retry));
  return retry;
}

void LoggedHost::ShowMessage(const std::string& text) {
  Event(HostEvent::Dialog(HostEvent::Kind::kMessage, {}, text));
  inner_.ShowMessage(text);
}

void LoggedHost::ShowError(const std::string& text) {
  Event(HostEvent::Dialog(HostEvent::Kind::kError, {}, text));
  inner_.ShowError(text);
}

void LoggedHost::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  Event(HostEvent::Notice(title, text, seconds));
  inner_.ShowDelayDialog(title, text, seconds);
}

StartResult LoggedHost::Ended(StartResult result) {
  if (!result) {
    Note("not started: error " + std::to_string(inner_.LastStartError()) + " (" + inner_.LastErrorText() + ")");
  } else {
    Note("exit code: " + std::to_string(*result));
  }
  return result;
}

StartResult LoggedHost::RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) {
  Event(HostEvent::Start(StartWay::kPlain, scope, commandLine));
  return Ended(inner_.RunWinProcess(commandLine, show, scope));
}

StartResult LoggedHost::WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) {
  Event(HostEvent::Start(StartWay::kAssisted, scope, commandLine));
  return Ended(inner_.WinExecAndWait32(commandLine, show, scope));
}

StartResult LoggedHost::StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                                      WaitScope scope) {
  Event(HostEvent::Start(StartWay::kElevated, scope, program, parameters));
  return Ended(inner_.StartElevated(program, parameters, show, scope));
}

uint32_t LoggedHost::WaitWhileInstallerBusy(const std::string& title, const std::string& text) {
  const uint32_t seconds = inner_.WaitWhileInstallerBusy(title, text);
  if (seconds > 0) Event(HostEvent::InstallerBusy(seconds));
  return seconds;
}

}  // namespace launcher
