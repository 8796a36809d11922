// The unattended run's exit code, in the words of Windows Installer and of
// every installer chain that an administrator's deployment tool reads.
#pragma once

#include <vector>

#include "core/ExitCodes.h"
#include "core/Selection.h"

namespace launcher {

// How the run went: the first failed action's own exit code (1603 where it
// has none: its file is missing, it did not start); else 1641 for a restart
// started, 3010 for one needed, 1602 for a cancel, and 0.
int QuietExitCode(const std::vector<InstallRunEntry>& entries);

}  // namespace launcher
