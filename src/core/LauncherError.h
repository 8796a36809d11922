// The errors the launcher shows in its error box, with their texts; expected
// outcomes (a missing key, a program's exit code) are values, not errors.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace launcher {

class LauncherError : public std::runtime_error {
 public:
  // `key`: the configuration key whose value stopped start-up, when one did.
  explicit LauncherError(const std::string& message, std::string key = {})
      : std::runtime_error(message), key_(std::move(key)) {}
  const std::string& Key() const { return key_; }

 private:
  std::string key_;
};

}  // namespace launcher
