#include "sim/ScriptedHost.h"

#include "core/Platform.h"
#include "core/Texts.h"
#include "core/Utf8.h"

namespace launcher {
namespace {

// Unicode's upper case of the letters of the scripts the tools' discs are
// written in (Latin-1, Greek, Cyrillic); the system itself knows them all.
char16_t UnicodeUpperCase(char16_t c) {
  const bool latin = (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
  const bool greek = c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2;
  const bool cyrillic = c >= 0x430 && c <= 0x44F;
  if (latin || greek || cyrillic) return static_cast<char16_t>(c - 32);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
  return c;
}

}  // namespace

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

std::string ScriptedHost::System::FromSystemCodePage(std::string_view bytes) {
  return ToUtf8(DecodeCodePage(script_.codePage, bytes));
}

std::string ScriptedHost::System::ToSystemCodePage(std::string_view text) {
  return EncodeCodePage(script_.codePage, FromUtf8(text));
}

// As the system upper-cases: an 8-bit disc's texts character by character
// in the code page (a character the code page lacks stays as it is), a
// UTF-8 disc's by Unicode.
std::string ScriptedHost::System::UpperCase(std::string_view text) {
  // Keys and most action texts are ASCII.
  if (IsAscii(text)) {
    return UpperCaseInCodePage(script_.codePage, text);
  }
  std::u16string upper = FromUtf8(text);
  for (char16_t& c : upper) {
    if (script_.discTexts == TextEncoding::kUtf8) {
      c = UnicodeUpperCase(c);
      continue;
    }
    const std::string bytes = EncodeCodePage(script_.codePage, std::u16string(1, c));
    const std::u16string back = DecodeCodePage(script_.codePage, UpperCaseInCodePage(script_.codePage, bytes));
    if (bytes != "?" && back.size() == 1) c = back[0];
  }
  return KeepingPositions(text, ToUtf8(upper));
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
