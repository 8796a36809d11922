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

int32_t ScriptedHost::Started(uint32_t error) {
  const auto scripted = exitCodes.find(++starts_);
  return Started(scripted == exitCodes.end() ? startResult : scripted->second, error);
}

int32_t ScriptedHost::Started(int32_t result, uint32_t error) {
  if (result == -1) lastStartError_ = error;
  return result;
}

int32_t ScriptedHost::RunWinProcess(const std::string& commandLine, int16_t) {
  Record(HostEvent::Start(StartWay::kPlain, commandLine));
  return Started(startError);
}

int32_t ScriptedHost::WinExecAndWait32(const std::string& commandLine, int16_t) {
  Record(HostEvent::Start(StartWay::kAssisted, commandLine));
  return Started(startError);
}

int32_t ScriptedHost::StartElevated(const std::string& program, const std::string& parameters, int16_t) {
  Record(HostEvent::Start(StartWay::kElevated, program, parameters));
  return Started(elevatedResult, elevatedError);
}

std::optional<std::string> ScriptedHost::FindProgram(const std::string& name) {
  return fileExists(name) ? std::optional<std::string>(name) : std::nullopt;
}

}  // namespace launcher
