// Loading the configuration: autorun.inf chooses the section, the user's
// display languages choose the properties member of install.jar, and the
// section's entries fill ConfigStrings.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/HashMap.h"
#include "core/LauncherHost.h"
#include "core/Properties.h"
#include "core/Utf8.h"

namespace launcher {

inline constexpr uint8_t kDefaultCharset = 1;
inline constexpr uint8_t kShiftJisCharset = 128;


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
  std::string LanguageSuffix;  // of the member read ("" for the base member)
  std::string ConfigSection;
  std::string PropertiesMember;
  std::vector<std::string> Languages;     // the display languages, the one asked for first
  std::vector<std::string> MembersTried;  // before the one read, in order
  TextEncoding Encoding = TextEncoding::kSystemCodePage;
  uint8_t Charset = kDefaultCharset;  // of an 8-bit disc's fonts
  std::string LongestButtonText;
  std::unique_ptr<THashMap> ConfigStrings;  // null until the properties text is read
  std::vector<PropertyEntry> Entries;       // what was put into ConfigStrings, in order, with its lines
};

// The properties member of a language suffix ("_pt_BR", "" for the base).
std::string PropertiesMemberFor(const std::string& languageSuffix);
// The fonts' character set for a disc: Shift-JIS for a Japanese member in
// 8-bit text, the default (which Windows links to every script) otherwise.
uint8_t CharsetFor(const std::string& languageSuffix, TextEncoding encoding);

// ReturnCurrentDirectory: the current directory without a trailing "\".
std::string ReturnCurrentDirectory(LauncherHost& host);

// GetConfig. Fills `config` step by step, so that what was set before an
// error stays set; leaves `archive` open for the background pictures.
// `preferredLanguage` ("/lang TAG") comes before the display languages.
// Archive errors propagate as ArchiveError.
void GetConfig(LauncherHost& host, ZipArchive& archive, Configuration& config,
               const std::optional<std::string>& preferredLanguage = std::nullopt);

// The background members for a partner code.
std::string MenuBackgroundMember(const std::string& partnerCode);
std::string SelectionBackgroundMember(const std::string& partnerCode);
// A background's high-resolution member, drawn at twice the size for
// scaled screens: "launcherX.jpg" becomes "launcherX@2x.jpg".
std::string HighResolutionMember(const std::string& member);
inline constexpr int kHighResolutionDensity = 2;

}  // namespace launcher
