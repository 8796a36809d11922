#include "core/Tokens.h"

namespace launcher {
namespace {

// The one replacement loop: `haystack` is searched, `source` is copied; both
// have the same length (the upper-cased text, or the text itself).
std::string ReplaceEvery(std::string_view source, std::string_view haystack, std::string_view pattern,
                         std::string_view replacement) {
  if (pattern.empty()) return std::string(source);
  std::string result;
  size_t copied = 0;
  for (size_t found = haystack.find(pattern); found != std::string_view::npos;
       found = haystack.find(pattern, copied)) {
    result.append(source.substr(copied, found - copied));
    result.append(replacement);
    copied = found + pattern.size();
  }
  result.append(source.substr(copied));
  return result;
}

}  // namespace

std::string replaceTokens(std::string_view source, std::string_view token, std::string_view replacement) {
  return ReplaceEvery(source, source, token, replacement);
}

std::string ReplaceIgnoringCase(std::string_view source, std::string_view pattern, std::string_view replacement,
                                const UpperCaseFn& upperCase) {
  const std::string upperSource = upperCase(source);
  // Upper-casing keeps the length in the launcher's code pages; where it
  // would not, letter case counts rather than positions going astray.
  if (upperSource.size() != source.size()) return replaceTokens(source, pattern, replacement);
  return ReplaceEvery(source, upperSource, upperCase(pattern), replacement);
}

std::string WithLineBreaks(std::string_view text, const UpperCaseFn& upperCase) {
  return ReplaceIgnoringCase(text, "<br>", "\n\r", upperCase);
}

std::string PathMod(std::string_view text) {
  const size_t blank = text.find(' ');
  const std::string_view head = text.substr(0, blank);
  std::string result = replaceTokens(head, "/", "\\");
  if (blank != std::string_view::npos) result.append(text.substr(blank));
  return result;
}

RegistryPath SplitRegistryPath(std::string_view keyPath, const UpperCaseFn& upperCase) {
  RegistryPath path;
  const size_t backslash = keyPath.find('\\');
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
