// The unattended run's exit codes, in the words of Windows Installer and of
// every installer chain that an administrator's deployment tool reads.
#pragma once

#include <vector>

#include "core/Selection.h"

namespace launcher {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadArguments = 87;     // ERROR_INVALID_PARAMETER
inline constexpr int kExitCancelled = 1602;      // ERROR_INSTALL_USEREXIT
inline constexpr int kExitFailure = 1603;        // ERROR_INSTALL_FAILURE
inline constexpr int kExitBusy = 1618;           // ERROR_INSTALL_ALREADY_RUNNING
inline constexpr int kExitRestartStarted = 1641;  // ERROR_SUCCESS_REBOOT_INITIATED
inline constexpr int kExitRestartNeeded = 3010;   // ERROR_SUCCESS_REBOOT_REQUIRED

// How the run went: the first failed action's own exit code (1603 where it
// has none: its file is missing, it did not start); else 1641 for a restart
// started, 3010 for one needed, 1602 for a cancel, and 0.
int QuietExitCode(const std::vector<InstallRunEntry>& entries);

}  // namespace launcher
