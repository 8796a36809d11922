#include "core/Config.h"

#include "core/Languages.h"
#include "core/Properties.h"
#include "core/Startup.h"

namespace launcher {

std::string PropertiesMemberFor(const std::string& languageSuffix) {
  return std::string(kPropertiesPrefix) + "windows" + languageSuffix + ".properties";
}

uint8_t CharsetFor(const std::string& languageSuffix, TextEncoding encoding) {
  const bool japanese = languageSuffix == "_ja" || languageSuffix.rfind("_ja_", 0) == 0;
  return japanese && encoding == TextEncoding::kSystemCodePage ? kShiftJisCharset : kDefaultCharset;
}

std::string ReturnCurrentDirectory(LauncherHost& host) {
  std::string dir = host.CurrentDirectory();
  // A folder whose last character's second byte has the code of "\" keeps it.
  if (EndsWithChar(dir, '\\')) dir.pop_back();
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

void GetConfig(LauncherHost& host, ZipArchive& archive, Configuration& config,
               const std::optional<std::string>& preferredLanguage) {
  config.PathDelimiter = "\\";
  const std::string shellPart =
      host.OsMajorVersion() == kWindowsNt4Major ? "\\system32\\cmd.exe /min /c start" : "\\explorer.exe";
  config.ShellLauncher = host.EnvironmentVariable("systemroot") + shellPart;

  const std::string dir = ReturnCurrentDirectory(host);
  config.ConfigSection = host.ReadProfileString(dir + config.PathDelimiter + "autorun.inf", "CONFIG", "SKU", "ENT");
  archive.Open(host.OpenFile(dir + config.PathDelimiter + kArchiveName));

  config.PlatformName = "windows";
  // The first member present of the display languages' candidates is read;
  // the base member is the last candidate, and an empty text stands in when
  // the archive has none at all.
  std::optional<std::vector<uint8_t>> member;
  config.Languages = WithPreferredLanguage(host.DisplayLanguages(), preferredLanguage);
  for (const std::string& suffix : MemberSuffixes(config.Languages)) {
    config.LanguageSuffix = suffix;
    config.PropertiesMember = PropertiesMemberFor(suffix);
    member = archive.Extract(config.PropertiesMember);
    if (member) break;
    config.MembersTried.push_back(config.PropertiesMember);
  }
  const std::string_view bytes =
      member ? std::string_view(reinterpret_cast<const char*>(member->data()), member->size()) : std::string_view();
  config.Encoding = EncodingOf(bytes);
  config.Charset = CharsetFor(config.LanguageSuffix, config.Encoding);
  host.ReadDiscTextsAs(config.Encoding);
  const bool utf8 = config.Encoding == TextEncoding::kUtf8;
  const std::string text = utf8 ? std::string(WithoutByteOrderMark(bytes)) : host.FromSystemCodePage(bytes);

  auto entries = ReadPropertiesSection(text, config.ConfigSection, [&host](std::string_view s) { return host.UpperCase(s); });
  config.ConfigStrings = std::make_unique<THashMap>(kConfigBuckets);
  // The widest button is the one with the most bytes as the disc wrote it.
  size_t longest = 0;
  for (const PropertyEntry& entry : entries) {
    config.ConfigStrings->Put(entry.key, entry.value);
    if (!ContainsText(entry.key, "Button") || !ContainsText(entry.key, "Text")) continue;
    const size_t length = utf8 ? entry.value.size() : host.ToSystemCodePage(entry.value).size();
    if (length > longest) {
      config.LongestButtonText = entry.value;
      longest = length;
    }
  }
  config.Entries = std::move(entries);
}

}  // namespace launcher
