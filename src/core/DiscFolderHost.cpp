#include "core/DiscFolderHost.h"

#include <algorithm>

#include "core/Config.h"
#include "core/Platform.h"
#include "core/ProfileReader.h"

namespace launcher {
DiscFolderHost::DiscFolderHost(std::string discDirectory, uint32_t locale, uint32_t osMajorVersion,
                               std::string systemRoot)
    : discDirectory_(std::move(discDirectory)),
      locale_(locale),
      osMajorVersion_(osMajorVersion),
      systemRoot_(std::move(systemRoot)),
      codePage_(PrimaryLanguage(locale) == 17 ? 932 : 1252) {}

std::string DiscFolderHost::SystemPath(const std::string& launcherPath) {
#ifdef _WIN32
  return launcherPath;
#else
  std::string path = launcherPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
#endif
}

std::string DiscFolderHost::EnvironmentVariable(const std::string& name) {
  return UpperCaseInCodePage(1252, name) == "SYSTEMROOT" ? systemRoot_ : std::string();
}

std::string DiscFolderHost::ReadProfileString(const std::string& file, const std::string& section,
                                              const std::string& key, const std::string& fallback) {
  auto handle = OpenFile(file);
  std::string text;
  if (handle) {
    text.resize(static_cast<size_t>(std::min<uint64_t>(handle->Size(), 1u << 20)));
    if (!handle->ReadAt(0, text.data(), text.size())) text.clear();
  }
  return ReadProfileValue(text, section, key, fallback);
}

std::unique_ptr<RandomAccessFile> DiscFolderHost::OpenFile(const std::string& path) {
  return OpenPlatformFile(SystemPath(path));
}

std::u16string DiscFolderHost::ToWide(std::string_view text) { return DecodeCodePage(codePage_, text); }

std::string DiscFolderHost::ToNarrow(std::u16string_view text) { return EncodeCodePage(codePage_, text); }

std::string DiscFolderHost::UpperCase(std::string_view text) { return UpperCaseInCodePage(codePage_, text); }

}  // namespace launcher
