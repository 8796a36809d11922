#include "sim/DiscFolderHost.h"

#include <algorithm>
#include <filesystem>

#include "core/Config.h"
#include "core/Platform.h"
#include "core/ProfileReader.h"
#include "core/Texts.h"

namespace launcher {
namespace {

constexpr char kDiscDrive = 'D';

std::string RootOf(char letter) { return std::string(1, letter) + ":\\"; }

}  // namespace

DiscFolderHost::DiscFolderHost(std::string discDirectory, const std::string& languageTag, uint32_t osMajor,
                               std::string windowsFolder) {
  currentDirectory = std::move(discDirectory);
  displayLanguages = {languageTag};
  osMajorVersion = osMajor;
  systemRoot = std::move(windowsFolder);
  const bool japanese = languageTag.size() >= 2 && (languageTag[0] | 0x20) == 'j' && (languageTag[1] | 0x20) == 'a';
  codePage = japanese ? 932 : 1252;
  fileExists = [this](const std::string& name) { return FileOnDrives(name).has_value(); };
}

void DiscFolderHost::MountAsDriveD() {
  drives_[kDiscDrive] = currentDirectory;
  currentDirectory = RootOf(kDiscDrive);
  mediaDrives = {currentDirectory};
}

std::string DiscFolderHost::MountDrive(const std::string& folder) {
  const char letter = static_cast<char>(drives_.rbegin()->first + 1);
  drives_[letter] = folder;
  mediaDrives.push_back(RootOf(letter));
  return mediaDrives.back();
}

std::string DiscFolderHost::SystemPath(const std::string& launcherPath) {
  // Every system the tool runs on takes "/" between folders; only Windows
  // takes "\\".
  std::string path = launcherPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string DiscFolderHost::PathOnDrives(const std::string& launcherPath) const {
  if (drives_.empty()) return SystemPath(launcherPath);
  std::string relative = launcherPath;
  char letter = currentDirectory.empty() ? kDiscDrive : currentDirectory[0];
  if (relative.size() >= 2 && relative[1] == ':') {
    letter = UpperCaseInCodePage(1252, relative.substr(0, 1))[0];
    relative.erase(0, 2);
  }
  const auto drive = drives_.find(letter);
  while (!relative.empty() && (relative.front() == '\\' || relative.front() == '/')) relative.erase(0, 1);
  if (drive == drives_.end() || relative.empty()) return {};
  return SystemPath(drive->second + "\\" + relative);
}

std::optional<std::string> DiscFolderHost::FileOnDrives(const std::string& launcherPath) const {
  const std::string path = PathOnDrives(launcherPath);
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
  return OpenPlatformFile(PathOnDrives(path));
}

}  // namespace launcher
