#include "core/DiscFolder.h"

#include "core/Config.h"

namespace launcher {
namespace {

std::string ArchiveIn(const std::string& folder, const LeadBytes& lead) {
  return folder + (EndsWithChar(folder, '\\', lead) ? "" : "\\") + kArchiveName;
}

}  // namespace

std::string FolderOf(const std::string& programPath, const LeadBytes& lead) {
  const size_t slash = FindLastChar(programPath, '\\', lead);
  if (slash == std::string::npos) return {};
  const bool root = slash == 2 && programPath[1] == ':';
  return programPath.substr(0, root ? slash + 1 : slash);
}

std::optional<std::string> DiscFolderToEnter(const std::string& currentDirectory, const std::string& launcherPath,
                                             const LeadBytes& lead,
                                             const std::function<bool(const std::string& path)>& fileExists) {
  if (fileExists(ArchiveIn(currentDirectory, lead))) return std::nullopt;
  const std::string folder = FolderOf(launcherPath, lead);
  if (folder.empty() || !fileExists(ArchiveIn(folder, lead))) return std::nullopt;
  return folder;
}

}  // namespace launcher
