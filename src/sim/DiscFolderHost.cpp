#include "sim/DiscFolderHost.h"

#include <algorithm>
#include <filesystem>

#include "core/Config.h"
#include "core/Platform.h"
#include "core/ProfileReader.h"
#include "core/Texts.h"

namespace launcher {
namespace {

constexpr char kDrive[] = "D:";

}  // namespace

DiscFolderHost::DiscFolderHost(std::string discDirectory, uint32_t threadLocale, uint32_t osMajor,
                               std::string windowsFolder) {
  currentDirectory = std::move(discDirectory);
  locale = threadLocale;
  osMajorVersion = osMajor;
  systemRoot = std::move(windowsFolder);
  codePage = LanguageFor(PrimaryLanguage(locale)).codePage;
  fileExists = [this](const std::string& name) { return FileIn(folder_, name).has_value(); };
}

void DiscFolderHost::MountAsDriveD() {
  folder_ = currentDirectory;
  currentDirectory = std::string(kDrive) + "\\";
}

std::string DiscFolderHost::SystemPath(const std::string& launcherPath) {
  // Every system the tool runs on takes "/" between folders; only Windows
  // takes "\\".
  std::string path = launcherPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string DiscFolderHost::PathIn(const std::string& folder, const std::string& launcherPath) const {
  if (folder.empty()) return SystemPath(launcherPath);
  std::string relative = launcherPath;
  if (relative.size() >= 2 && UpperCaseInCodePage(1252, relative.substr(0, 2)) == kDrive) relative.erase(0, 2);
  while (!relative.empty() && (relative.front() == '\\' || relative.front() == '/')) relative.erase(0, 1);
  return relative.empty() ? std::string() : SystemPath(folder + "\\" + relative);
}

std::optional<std::string> DiscFolderHost::FileIn(const std::string& folder, const std::string& launcherPath) const {
  const std::string path = PathIn(folder, launcherPath);
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  return path;
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
  return OpenPlatformFile(PathIn(folder_, path));
}

}  // namespace launcher
