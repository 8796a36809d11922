#include "core/Tokens.h"

namespace launcher {
std::string WithLineBreaks(std::string_view text, const UpperCaseFn& upperCase) {
  return ReplaceIgnoringCase(text, "<br>", "\n\r", upperCase);
}

RegistryPath SplitRegistryPath(std::string_view keyPath, const UpperCaseFn& upperCase) {
  RegistryPath path;
  const size_t backslash = FindText(keyPath, "\\");
  path.rootName = backslash == std::string_view::npos ? std::string() : std::string(keyPath.substr(0, backslash));
  // Without a root name the whole path is the sub-key (removing every lone
  // "\" would turn \Software\Vendor into one name).
  path.subKey = path.rootName.empty() ? std::string(keyPath)
                                      : ReplaceIgnoringCase(keyPath, path.rootName + "\\", "", upperCase);
  if (path.rootName == "HKEY_CLASSES_ROOT") path.root = RegistryRoot::kClassesRoot;
  if (path.rootName == "HKEY_CURRENT_USER") path.root = RegistryRoot::kCurrentUser;
  if (path.rootName == "HKEY_USERS") path.root = RegistryRoot::kUsers;
  if (path.rootName == "HKEY_LOCAL_MACHINE") path.root = RegistryRoot::kLocalMachine;
  return path;
}

}  // namespace launcher
