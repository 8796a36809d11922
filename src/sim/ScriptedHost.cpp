#include "sim/ScriptedHost.h"

#include "core/Platform.h"
#include "core/Texts.h"

namespace launcher {

void ScriptedHost::Record(HostEvent event) {
  events.push_back(Describe(event));
  log.push_back(std::move(event));
}

void ScriptedHost::Event(const HostEvent& event) {
  if (event.kind == HostEvent::Kind::kOutcome) {
    log.push_back(event);
  } else {
    Record(event);
  }
}

std::string ScriptedHost::System::EnvironmentVariable(const std::string& name) {
  return UpperCaseInCodePage(1252, name) == "SYSTEMROOT" ? script_.systemRoot : std::string();
}

std::string ScriptedHost::System::ReadProfileString(const std::string&, const std::string&, const std::string&,
                                                    const std::string& fallback) {
  return fallback;
}

std::string ScriptedHost::System::GetRegistryValue(const std::string& keyPath, const std::string& valueName) {
  if (script_.registryError) throw LauncherError(*script_.registryError);
  auto found = script_.registry.find(keyPath + "|" + valueName);
  return found == script_.registry.end() ? std::string() : found->second;
}

std::u16string ScriptedHost::System::ToWide(std::string_view text) { return DecodeCodePage(script_.codePage, text); }

std::string ScriptedHost::System::ToNarrow(std::u16string_view text) {
  return EncodeCodePage(script_.codePage, text);
}

std::string ScriptedHost::System::UpperCase(std::string_view text) {
  return UpperCaseInCodePage(script_.codePage, text);
}

void ScriptedHost::MarkInstalled(const Detection& detection) {
  const std::string version = detection.minimum ? VersionText(*detection.minimum) : std::string();
  switch (detection.kind) {
    case Detection::Kind::kMsi: installedProducts.insert(detection.target); break;
    case Detection::Kind::kUninstall: installedPrograms[detection.target] = version; break;
    case Detection::Kind::kFile: fileVersions[detection.target] = version; break;
    case Detection::Kind::kRegistry:
      registryEntries.insert(detection.target);
      if (!detection.value.empty()) registryEntries.insert(detection.target + "|" + detection.value);
      break;
  }
}

bool ScriptedHost::System::EnterFolder(const std::string& folder) {
  if (script_.drivesNotReady.count(folder)) return false;
  script_.currentDirectory = folder;
  return true;
}

Answer ScriptedHost::System::Asked(const AwaitedFile& awaited) {
  script_.awaitedFiles.push_back(awaited.path + (awaited.onMediaDrives ? " (any drive)" : ""));
  std::deque<bool>& queued = script_.answers;
  const bool yes = !queued.empty() && queued.front();
  if (!queued.empty()) queued.pop_front();
  return yes ? Answer::kYes : Answer::kNo;
}

StartResult ScriptedHost::System::Started(uint32_t error) {
  script_.startFolders.push_back(script_.currentDirectory);
  const auto scripted = script_.exitCodes.find(++starts_);
  return Started(scripted == script_.exitCodes.end() ? script_.startResult : StartResult(scripted->second), error);
}

StartResult ScriptedHost::System::Started(StartResult result, uint32_t error) {
  if (!result) lastStartError_ = error;
  return result;
}

uint32_t ScriptedHost::System::WaitWhileInstallerBusy(const std::string&, const std::string&) {
  std::deque<uint32_t>& busy = script_.installerBusySeconds;
  if (busy.empty()) return 0;
  const uint32_t seconds = busy.front();
  busy.pop_front();
  return seconds;
}

std::optional<std::string> ScriptedHost::System::FindProgram(const std::string& name) {
  return script_.fileExists(name) ? std::optional<std::string>(name) : std::nullopt;
}

}  // namespace launcher
