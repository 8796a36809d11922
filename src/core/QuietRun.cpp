#include "core/QuietRun.h"

#include <algorithm>

namespace launcher {

int QuietExitCode(const std::vector<InstallRunEntry>& entries) {
  auto any = [&](Verdict verdict) {
    return std::find_if(entries.begin(), entries.end(), [&](const InstallRunEntry& e) { return e.verdict == verdict; });
  };
  if (const auto failed = any(Verdict::kFailed); failed != entries.end()) {
    return failed->ran && failed->code != 0 ? static_cast<int>(failed->code) : kExitFailure;
  }
  if (any(Verdict::kRestartStarted) != entries.end()) return kExitRestartStarted;
  if (any(Verdict::kRestartNeeded) != entries.end()) return kExitRestartRequired;
  if (any(Verdict::kCancelled) != entries.end()) return kExitUserCancelled;
  return kExitSuccess;
}

}  // namespace launcher
