// The errors the launcher shows in its error box, with their texts; expected
// outcomes (a missing key, a program's exit code) are values, not errors.
#pragma once

#include <stdexcept>

namespace launcher {

class LauncherError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace launcher
