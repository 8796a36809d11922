#include "core/Verdict.h"

#include <algorithm>

#include "core/ExitCodes.h"
#include "core/Selection.h"
#include "core/Startup.h"

namespace launcher {

std::string VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::kSucceeded: return "succeeded";
    case Verdict::kRestartNeeded: return "succeeded, restart needed";
    case Verdict::kRestartStarted: return "succeeded, restart started by the installer";
    case Verdict::kCancelled: return "cancelled";
    case Verdict::kFailed: return "failed";
  }
  return {};
}

Verdict VerdictOfExitCode(int32_t code, const std::vector<int32_t>& successCodes,
                          const std::vector<int32_t>& cancelCodes) {
  auto listed = [code](const std::vector<int32_t>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
  };
  if (code == 0 || listed(successCodes)) return Verdict::kSucceeded;
  if (listed(cancelCodes)) return Verdict::kCancelled;
  switch (code) {
    case kExitRestartRequired:
    case kExitRestartRequiredOnInit: return Verdict::kRestartNeeded;
    case kExitRestartStarted: return Verdict::kRestartStarted;
    case kExitUserCancelled:
    case static_cast<int32_t>(kErrorCancelled): return Verdict::kCancelled;
    default: return Verdict::kFailed;
  }
}

std::optional<std::vector<int32_t>> ParseExitCodes(const std::string& text) {
  std::vector<int32_t> codes;
  for (const std::string& item : SplitCompoundList(text)) {
    try {
      codes.push_back(StrToInt(WithoutSpacesAround(item)));
    } catch (const LauncherError&) {
      return std::nullopt;
    }
  }
  return codes;
}

}  // namespace launcher
