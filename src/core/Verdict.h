// What became of an action: what the install run's completion text, the
// menu's notices and the support log say of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace launcher {

enum class Verdict {
  kSucceeded,
  kRestartNeeded,   // it succeeded; Windows must restart to finish it
  kRestartStarted,  // it succeeded and its installer started the restart
  kCancelled,       // the user said no: to its installer, or to a question of ours
  kFailed,          // it could not be started, or ended with another code
};
std::string VerdictName(Verdict verdict);
inline bool Succeeded(Verdict v) { return v != Verdict::kCancelled && v != Verdict::kFailed; }
inline bool NeedsRestart(Verdict v) { return v == Verdict::kRestartNeeded || v == Verdict::kRestartStarted; }

// What a program's exit code says: 0 and the success codes succeed, 3010
// and 3011 need a restart, 1641 started one, 1602, 1223 and the cancel
// codes are cancelled, anything else failed. A code in both lists succeeds.
Verdict VerdictOfExitCode(int32_t code, const std::vector<int32_t>& successCodes,
                          const std::vector<int32_t>& cancelCodes = {});

// "SuccessCodes" or "CancelCodes": comma-separated decimal codes; nothing
// when the text is not such a list (blanks around a code are allowed).
std::optional<std::vector<int32_t>> ParseExitCodes(const std::string& text);

}  // namespace launcher
