// Loading the configuration: autorun.inf chooses the section, the system's
// language chooses the properties member of install.jar, and the section's
// entries fill ConfigStrings.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/HashMap.h"
#include "core/LauncherHost.h"
#include "core/Properties.h"

namespace launcher {

inline constexpr uint8_t kDefaultCharset = 1;
inline constexpr uint8_t kShiftJisCharset = 128;

// The languages the launcher has a properties member for, and what each
// means for text: every other language reads the English member.
struct Language {
  uint32_t primary;    // the primary language number of a locale
  const char* suffix;  // of the properties member's name
  uint8_t charset;     // of the fonts
  unsigned codePage;   // of the texts
};
inline constexpr uint32_t kEnglish = 9;
inline constexpr Language kLanguages[] = {
    {kEnglish, "", kDefaultCharset, 1252},  {7, "_de", kDefaultCharset, 1252},  {10, "_es", kDefaultCharset, 1252},
    {12, "_fr", kDefaultCharset, 1252}, {17, "_ja", kShiftJisCharset, 932},
};
// The entry for a primary language; English for any language not listed.
const Language& LanguageFor(uint32_t primaryLanguage);

// The archive beside autorun.inf that holds the disc's configuration.
inline constexpr char kArchiveName[] = "install.jar";
// Windows NT 4, whose shell starts documents with cmd's start; every later
// Windows starts them with explorer.exe. A program without a compatibility
// entry for later versions is told Vista's 6 on all of them.
inline constexpr uint32_t kWindowsNt4Major = 4;
inline constexpr uint32_t kWindowsVistaMajor = 6;
inline constexpr char kPropertiesPrefix[] = "com/vestrel/integration/tools/launcher/launcher_";
inline constexpr char kImagePrefix[] = "com/vestrel/integration/tools/launcher/image/launcher";
inline constexpr int32_t kConfigBuckets = 256;

struct Configuration {
  std::string PathDelimiter;
  std::string ShellLauncher;
  std::string PlatformName;
  std::string LanguageSuffix;
  std::string ConfigSection;
  std::string PropertiesMember;
  uint8_t Charset = kDefaultCharset;
  std::string LongestButtonText;
  std::unique_ptr<THashMap> ConfigStrings;  // null until the properties text is read
  std::vector<PropertyEntry> Entries;       // what was put into ConfigStrings, in order, with its lines
};

// The primary language number: the low 10 bits of the locale, 9 (English)
// when the locale's low 16 bits are 0.
uint32_t PrimaryLanguage(uint32_t locale);
std::string LanguageSuffixFor(uint32_t primaryLanguage);
uint8_t CharsetFor(uint32_t primaryLanguage);

// ReturnCurrentDirectory: the current directory without a trailing "\".
std::string ReturnCurrentDirectory(LauncherHost& host);

// GetConfig. Fills `config` step by step, so that what was set before an
// error stays set; leaves `archive` open for the background pictures.
// Archive errors propagate as ArchiveError.
void GetConfig(LauncherHost& host, ZipArchive& archive, Configuration& config);

// The background members for a partner code.
std::string MenuBackgroundMember(const std::string& partnerCode);
std::string SelectionBackgroundMember(const std::string& partnerCode);
// A background's high-resolution member, drawn at twice the size for
// scaled screens: "launcherX.jpg" becomes "launcherX@2x.jpg".
std::string HighResolutionMember(const std::string& member);
inline constexpr int kHighResolutionDensity = 2;

}  // namespace launcher
