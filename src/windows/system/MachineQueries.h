// What the system says of the machine and of what is installed on it, for
// the disc's optional keys: the processor of Windows itself, its version,
// Windows Installer's products, the Add/Remove Programs entries, a file's
// version and the registry. Windows Installer and the version library are
// loaded from the system folder only when a disc asks.
#pragma once

#include <optional>
#include <string>

#include "core/Machine.h"

namespace launcher {

Machine ThisMachine();
std::optional<bool> MsiProductInstalled(const std::string& productCode);
std::optional<std::string> InstalledProgramVersion(const std::string& name);
std::optional<std::string> FileVersionOf(const std::string& path);
// "HKLM\\Key", "HKEY_CURRENT_USER\\Key" (HKLM, HKCU, HKCR, HKU and their
// long names); HKLM in both registry views.
std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName);

}  // namespace launcher
