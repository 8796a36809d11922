// The codes Windows and Windows Installer give, by the names their
// documentation uses: what a program's exit code means, what a start's
// error means, and what the unattended run ends with.
#pragma once

#include <cstdint>

namespace launcher {

inline constexpr int32_t kExitSuccess = 0;                 // ERROR_SUCCESS
inline constexpr int32_t kErrorFileNotFound = 2;           // ERROR_FILE_NOT_FOUND: a missing file, unattended
inline constexpr int32_t kExitBadArguments = 87;           // ERROR_INVALID_PARAMETER
inline constexpr int32_t kExitUserCancelled = 1602;        // ERROR_INSTALL_USEREXIT
inline constexpr int32_t kExitFailure = 1603;              // ERROR_INSTALL_FAILURE
inline constexpr int32_t kExitInstallerBusy = 1618;        // ERROR_INSTALL_ALREADY_RUNNING
inline constexpr int32_t kExitRestartStarted = 1641;       // ERROR_SUCCESS_REBOOT_INITIATED
inline constexpr int32_t kExitRestartRequired = 3010;      // ERROR_SUCCESS_REBOOT_REQUIRED
inline constexpr int32_t kExitRestartRequiredOnInit = 3011;  // ERROR_SUCCESS_RESTART_REQUIRED

// A start's error (GetLastError), which some programs also end with.
inline constexpr uint32_t kErrorElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED
inline constexpr uint32_t kErrorCancelled = 1223;         // ERROR_CANCELLED

}  // namespace launcher
