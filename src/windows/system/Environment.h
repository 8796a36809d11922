// What the launcher reads of its environment at start: the current
// directory, the Windows version, environment variables and profile
// strings, through the calls Windows itself offers for each.
#pragma once

#include <cstdint>
#include <string>

namespace launcher {

// The current directory as the system gives it, however long it is.
std::string SystemCurrentDirectory();
// dwMajorVersion as GetVersionExA reports it.
uint32_t SystemMajorVersion();
// Empty when the variable is not set.
std::string SystemEnvironmentVariable(const std::string& name);
// GetPrivateProfileStringA into its usual 2048-character buffer.
std::string SystemProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback);

}  // namespace launcher
