#include "core/Config.h"

#include "core/Properties.h"
#include "core/Startup.h"

namespace launcher {

uint32_t PrimaryLanguage(uint32_t locale) { return (locale & 0xFFFF) == 0 ? kEnglish : (locale & 0x3FF); }

const Language& LanguageFor(uint32_t primaryLanguage) {
  for (const Language& language : kLanguages) {
    if (language.primary == primaryLanguage) return language;
  }
  return kLanguages[0];
}

std::string LanguageSuffixFor(uint32_t primaryLanguage) { return LanguageFor(primaryLanguage).suffix; }

uint8_t CharsetFor(uint32_t primaryLanguage) { return LanguageFor(primaryLanguage).charset; }

std::string ReturnCurrentDirectory(LauncherHost& host) {
  std::string dir = host.CurrentDirectory();
  // A folder whose last character's second byte has the code of "\" keeps it.
  if (EndsWithChar(dir, '\\', host.CodePageLeadBytes())) dir.pop_back();
  return dir;
}

std::string MenuBackgroundMember(const std::string& partnerCode) {
  return std::string(kImagePrefix) + partnerCode + ".jpg";
}

std::string SelectionBackgroundMember(const std::string& partnerCode) {
  return std::string(kImagePrefix) + partnerCode + "Pg2.jpg";
}

std::string HighResolutionMember(const std::string& member) {
  const size_t extension = member.rfind('.');
  return member.substr(0, extension) + "@2x" + member.substr(extension);
}

void GetConfig(LauncherHost& host, ZipArchive& archive, Configuration& config) {
  config.PathDelimiter = "\\";
  const std::string shellPart =
      host.OsMajorVersion() == kWindowsNt4Major ? "\\system32\\cmd.exe /min /c start" : "\\explorer.exe";
  config.ShellLauncher = host.EnvironmentVariable("systemroot") + shellPart;

  const std::string dir = ReturnCurrentDirectory(host);
  config.ConfigSection = host.ReadProfileString(dir + config.PathDelimiter + "autorun.inf", "CONFIG", "SKU", "ENT");
  archive.Open(host.OpenFile(dir + config.PathDelimiter + kArchiveName));

  config.PlatformName = "windows";
  const uint32_t language = PrimaryLanguage(host.ThreadLocale());
  config.LanguageSuffix = LanguageSuffixFor(language);
  config.Charset = CharsetFor(language);

  config.PropertiesMember = kPropertiesPrefix + config.PlatformName + config.LanguageSuffix + ".properties";
  const std::optional<std::vector<uint8_t>> member = archive.Extract(config.PropertiesMember);
  const std::string text = member ? std::string(member->begin(), member->end()) : std::string();

  const LeadBytes lead = host.CodePageLeadBytes();
  auto entries = ReadPropertiesSection(
      text, config.ConfigSection, [&host](std::string_view s) { return host.UpperCase(s); }, lead);
  config.ConfigStrings = std::make_unique<THashMap>(kConfigBuckets);
  for (const PropertyEntry& entry : entries) {
    config.ConfigStrings->Put(entry.key, host.ToWide(entry.value));
    const bool namesButtonText = ContainsText(entry.key, "Button", lead) && ContainsText(entry.key, "Text", lead);
    if (namesButtonText && entry.value.size() > config.LongestButtonText.size()) {
      config.LongestButtonText = entry.value;
    }
  }
  config.Entries = std::move(entries);
}

}  // namespace launcher
