#include "sim/ScriptedHost.h"

#include "core/Platform.h"
#include "core/Texts.h"

namespace launcher {

void ScriptedHost::Record(HostEvent event) {
  events.push_back(Describe(event));
  log.push_back(std::move(event));
}

std::string ScriptedHost::EnvironmentVariable(const std::string& name) {
  return UpperCaseInCodePage(1252, name) == "SYSTEMROOT" ? systemRoot : std::string();
}

std::string ScriptedHost::ReadProfileString(const std::string&, const std::string&, const std::string&,
                                            const std::string& fallback) {
  return fallback;
}

std::string ScriptedHost::GetRegistryValue(const std::string& keyPath, const std::string& valueName) {
  if (registryError) throw LauncherError(*registryError);
  auto found = registry.find(keyPath + "|" + valueName);
  return found == registry.end() ? std::string() : found->second;
}

std::u16string ScriptedHost::ToWide(std::string_view text) { return DecodeCodePage(codePage, text); }

std::string ScriptedHost::ToNarrow(std::u16string_view text) { return EncodeCodePage(codePage, text); }

std::string ScriptedHost::UpperCase(std::string_view text) { return UpperCaseInCodePage(codePage, text); }

Answer ScriptedHost::Asked(HostEvent::Kind kind, const std::string& title, const std::string& text,
                           const std::string& awaitedFile) {
  awaitedFiles.push_back(awaitedFile);
  const bool yes = !answers.empty() && answers.front();
  if (!answers.empty()) answers.pop_front();
  const Answer answer = yes ? Answer::kYes : Answer::kNo;
  Record(HostEvent::Question(kind, title, text, answer));
  return answer;
}

void ScriptedHost::ShowInfoDialog(const std::string& title, const std::string& text) {
  Record(HostEvent::Dialog(HostEvent::Kind::kInfo, title, text));
}

Answer ScriptedHost::ShowOKCancelDialog(const std::string& title, const std::string& text,
                                        const std::string& awaitedFile) {
  return Asked(HostEvent::Kind::kOkCancel, title, text, awaitedFile);
}

Answer ScriptedHost::ShowRetryCancelDialog(const std::string& title, const std::string& text,
                                           const std::string& awaitedFile) {
  return Asked(HostEvent::Kind::kRetryCancel, title, text, awaitedFile);
}

void ScriptedHost::ShowMessage(const std::string& text) { Record(HostEvent::Dialog(HostEvent::Kind::kMessage, {}, text)); }

void ScriptedHost::ShowError(const std::string& text) { Record(HostEvent::Dialog(HostEvent::Kind::kError, {}, text)); }

void ScriptedHost::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  Record(HostEvent::Notice(title, text, seconds));
}

StartResult ScriptedHost::Started(uint32_t error) {
  const auto scripted = exitCodes.find(++starts_);
  return Started(scripted == exitCodes.end() ? startResult : StartResult(scripted->second), error);
}

StartResult ScriptedHost::Started(StartResult result, uint32_t error) {
  if (!result) lastStartError_ = error;
  return result;
}

StartResult ScriptedHost::RunWinProcess(const std::string& commandLine, int16_t, WaitScope scope) {
  Record(HostEvent::Start(StartWay::kPlain, scope, commandLine));
  return Started(startError);
}

StartResult ScriptedHost::WinExecAndWait32(const std::string& commandLine, int16_t, WaitScope scope) {
  Record(HostEvent::Start(StartWay::kAssisted, scope, commandLine));
  return Started(startError);
}

StartResult ScriptedHost::StartElevated(const std::string& program, const std::string& parameters, int16_t,
                                        WaitScope scope) {
  Record(HostEvent::Start(StartWay::kElevated, scope, program, parameters));
  return Started(elevatedResult, elevatedError);
}

uint32_t ScriptedHost::WaitWhileInstallerBusy(const std::string&, const std::string&) {
  if (installerBusySeconds.empty()) return 0;
  const uint32_t seconds = installerBusySeconds.front();
  installerBusySeconds.pop_front();
  if (seconds > 0) Record(HostEvent::InstallerBusy(seconds));
  return seconds;
}

std::optional<std::string> ScriptedHost::FindProgram(const std::string& name) {
  return fileExists(name) ? std::optional<std::string>(name) : std::nullopt;
}

}  // namespace launcher
