// Where the launcher finds its disc. AutoRun starts it in the disc's root;
// a double-click, a shortcut or a command prompt may start it anywhere, and
// then its own folder is the disc.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/CharacterText.h"

namespace launcher {

// The folder of a program file: "D:\\setup" for "D:\\setup\\x.exe", and a
// drive root keeps its "\\" ("D:\\" for "D:\\x.exe"); empty without a "\\".
std::string FolderOf(const std::string& programPath);

// The folder to make current before anything reads the disc: the launcher's
// own folder when the current directory holds no install.jar and that
// folder does; nothing (stay) otherwise, so that a start from the disc's
// root is exactly as it always was.
std::optional<std::string> DiscFolderToEnter(const std::string& currentDirectory, const std::string& launcherPath,
                                             
                                             const std::function<bool(const std::string& path)>& fileExists);

}  // namespace launcher
