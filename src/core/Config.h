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
#include "core/ConfigHost.h"
#include "core/HashMap.h"

namespace launcher {

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
  std::vector<std::string> EntryKeys;       // the keys put into ConfigStrings, in order
};

// The primary language number: the low 10 bits of the locale, 9 (English)
// when the locale's low 16 bits are 0.
uint32_t PrimaryLanguage(uint32_t locale);
std::string LanguageSuffixFor(uint32_t primaryLanguage);
uint8_t CharsetFor(uint32_t primaryLanguage);

// ReturnCurrentDirectory: the current directory without a trailing "\".
std::string ReturnCurrentDirectory(ConfigHost& host);

// GetConfig. Fills `config` step by step, so that what was set before an
// error stays set; leaves `archive` open for the background pictures.
// Archive errors propagate as ArchiveError.
void GetConfig(ConfigHost& host, ZipArchive& archive, Configuration& config);

// The background members for a partner code.
std::string MenuBackgroundMember(const std::string& partnerCode);
std::string SelectionBackgroundMember(const std::string& partnerCode);

}  // namespace launcher
