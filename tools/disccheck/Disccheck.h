// disccheck: the disc author's companion. Each command loads a disc folder
// through the launcher's own core and reports what the launcher would do.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace launcher::disccheck {

inline constexpr int kClean = 0;
inline constexpr int kErrors = 2;

// args excludes the program name. Returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace launcher::disccheck
