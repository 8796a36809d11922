// The two questions an action asks of the system before it starts anything:
// is this file there, and what does the registry say.
#pragma once

#include <string>
#include <vector>

#include "core/CharacterText.h"
#include "core/LauncherHost.h"
#include "core/UpperCase.h"

namespace launcher {

// True when the first entry a directory search finds for `name` (wildcards
// match) is a file whose last-write time makes a DOS date (1980 to 2107).
bool IsFilePresent(const std::string& name);
// The same, for the launcher's own repeated tests while a question waits: a
// drive without a disc fails quietly instead of showing the system's box.
bool IsFilePresentWithoutSystemPrompts(const std::string& name);
// Makes `folder` current the same way; false for a drive that is not ready.
bool EnterFolderWithoutSystemPrompts(const std::string& folder);

// The roots ("E:\\") of the CD and DVD drives (mounted images among them)
// and of the removable media, in drive-letter order.
std::vector<std::string> MediaDriveRoots();
// Whether the file a question waits for is there: its path as the action
// tests it, and for another disc of a set below the root of any such drive.
bool IsAwaitedFilePresent(const AwaitedFile& awaited);

// The user's display languages as language tags, most preferred first:
// Windows' own list where it keeps one (Vista and later), else the user's
// one display language (Windows 2000 and XP).
std::vector<std::string> SystemDisplayLanguages();

// Windows Installer's mutexes, looked at and never held: whether one of
// these names exists (a name whose mutex the launcher may not open exists).
bool NamedMutexExists(const char* name);
// Another Windows Installer installation is running ("Global\\_MSIExecute").
bool WindowsInstallerBusy();
// Windows Installer asks for the next disc of a package ("__MsiPromptForCD").
bool WindowsInstallerAsksForADisc();

// The string value `valueName` under the key path (root name, "\", sub-key);
// empty when key or value is missing or empty. A value of another type
// raises "Invalid data type for '%s'". The key is opened for reading only.
std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName, const UpperCaseFn& upperCase);

}  // namespace launcher
