#include "core/DiscFolder.h"

#include "core/Config.h"

namespace launcher {
namespace {

std::string ArchiveIn(const std::string& folder) {
  return folder + (EndsWithChar(folder, '\\') ? "" : "\\") + kArchiveName;
}

}  // namespace

std::string FolderOf(const std::string& programPath) {
  const size_t slash = FindLastChar(programPath, '\\');
  if (slash == std::string::npos) return {};
  const bool root = slash == 2 && programPath[1] == ':';
  return programPath.substr(0, root ? slash + 1 : slash);
}

std::optional<std::string> DiscFolderToEnter(const std::string& currentDirectory, const std::string& launcherPath,
                                             
                                             const std::function<bool(const std::string& path)>& fileExists) {
  if (fileExists(ArchiveIn(currentDirectory))) return std::nullopt;
  const std::string folder = FolderOf(launcherPath);
  if (folder.empty() || !fileExists(ArchiveIn(folder))) return std::nullopt;
  return folder;
}

}  // namespace launcher
