// Text replacement, the action language's tokens and path clean-up.
//
// Every replacement in the launcher goes left to right over the text,
// replaces every occurrence, and never searches the text it has inserted.
#pragma once

#include <string>
#include <string_view>

#include "core/CharacterText.h"
#include "core/UpperCase.h"

namespace launcher {

// "<br>" in any letter case becomes LF CR, the launcher's line break.
std::string WithLineBreaks(std::string_view text, const UpperCaseFn& upperCase);

// The configuration texts the launcher shows with "<br>" as a line break
// (message actions break theirs too); every other text shows it as written.
inline constexpr const char* kLineBreakingKeys[] = {
    "InstallCompleteMessage", "InstallFailedMessage", "InstallRestartMessage",
    "InstallInsertMsg1",      "InstallInsertMsg2",    "FileNotFoundDiskText",
};

// The action language's tokens, replaced in this order, letter case counting.
inline constexpr std::string_view kIeToken = "$IE";
inline constexpr std::string_view kPwdToken = "$PWD";
inline constexpr std::string_view kJavaToken = "$JAVA";

// A registry key path split as the launcher reads it: the root name is the
// text before the first "\", and the sub-key is the path with every
// occurrence of root name and "\" removed, letter case ignored.
enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine, kUsers };
struct RegistryPath {
  std::string rootName;
  RegistryRoot root = RegistryRoot::kCurrentUser;  // for any name but the four
  std::string subKey;
};
RegistryPath SplitRegistryPath(std::string_view keyPath, const UpperCaseFn& upperCase);

}  // namespace launcher
