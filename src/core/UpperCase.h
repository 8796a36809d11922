// The disc's upper-casing, handed in by whoever knows the system and the disc:
// the launcher's case-blind comparisons all go through it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace launcher {

using UpperCaseFn = std::function<std::string(std::string_view)>;

}  // namespace launcher
