#include "core/ScriptedActionHost.h"

#include "core/Texts.h"

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

std::string ScriptedActionHost::GetRegistryValue(const std::string& keyPath, const std::string& valueName) {
  if (registryError) throw LauncherError(*registryError);
  auto found = registry.find(keyPath + "|" + valueName);
  return found == registry.end() ? std::string() : found->second;
}

std::string ScriptedActionHost::UpperCase(std::string_view text) { return UpperCaseInCodePage(codePage, text); }

bool ScriptedActionHost::Answer() {
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedActionHost::ShowInfoDialog(const std::string& title, const std::string& text) {
  events.push_back("info: " + OneLine(title) + " | " + OneLine(text));
}

bool ScriptedActionHost::ShowOKCancelDialog(const std::string& title, const std::string& text) {
  const bool ok = Answer();
  events.push_back("ok-cancel: " + OneLine(title) + " | " + OneLine(text) + (ok ? " -> OK" : " -> Cancel"));
  return ok;
}

bool ScriptedActionHost::ShowRetryCancelDialog(const std::string& title, const std::string& text) {
  const bool retry = Answer();
  events.push_back("retry-cancel: " + OneLine(title) + " | " + OneLine(text) + (retry ? " -> Retry" : " -> Cancel"));
  return retry;
}

void ScriptedActionHost::ShowMessage(const std::string& text) { events.push_back("message: " + OneLine(text)); }

void ScriptedActionHost::ShowError(const std::string& text) { events.push_back("error: " + OneLine(text)); }

void ScriptedActionHost::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  events.push_back("notice: " + OneLine(title) + " | " + OneLine(text) + " (" + std::to_string(seconds) + " s)");
}

int32_t ScriptedActionHost::Started(int32_t result, uint32_t error) {
  if (result == -1) lastStartError_ = error;
  return result;
}

int32_t ScriptedActionHost::RunWinProcess(const std::string& commandLine, int16_t) {
  events.push_back("start: " + commandLine);
  lastCommandLine = commandLine;
  return Started(startResult, startError);
}

int32_t ScriptedActionHost::WinExecAndWait32(const std::string& commandLine, int16_t) {
  events.push_back("start assisted: " + commandLine);
  lastCommandLine = commandLine;
  return Started(startResult, startError);
}

std::optional<std::string> ScriptedActionHost::FindProgram(const std::string& name) {
  return fileExists(name) ? std::optional<std::string>(name) : std::nullopt;
}

int32_t ScriptedActionHost::StartElevated(const std::string& program, const std::string& parameters, int16_t) {
  events.push_back("start elevated: " + program + " | " + parameters);
  return Started(elevatedResult, elevatedError);
}

}  // namespace launcher
