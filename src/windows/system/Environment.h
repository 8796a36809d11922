// What the launcher reads of its environment at start: the current
// directory, the Windows version, environment variables and profile
// strings, through the calls Windows itself offers for each.
#pragma once

#include <cstdint>
#include <string>

namespace launcher {

// The current directory as the system gives it, however long it is.
std::string SystemCurrentDirectory();
// The launcher's own program file, however long its path is.
std::string SystemModulePath();
// Makes the folder the process's current directory: programs started
// afterwards inherit it. False when the system refuses.
bool EnterFolder(const std::string& folder);
// True for a file (not a folder) of exactly this name; no wildcards.
bool FileExists(const std::string& path);
// dwMajorVersion as GetVersionExA reports it.
uint32_t SystemMajorVersion();
// Empty when the variable is not set.
std::string SystemEnvironmentVariable(const std::string& name);
// GetPrivateProfileStringA into its usual 2048-character buffer.
std::string SystemProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback);

}  // namespace launcher
