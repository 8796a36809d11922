// The launcher's command line. An interactive start reads only "/log FILE"
// and "/lang TAG"; an administrator's unattended run adds "/quiet" with
// "/button N" or "/run LIST". Arguments are separated by blanks, a
// double-quoted one may hold blanks, and names are read without regard to
// letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

struct LauncherArguments {
  std::optional<std::string> logFile;  // "/log FILE"
  bool quiet = false;                  // "/quiet"
  bool usage = false;                  // "/?"
  std::optional<std::string> button;   // "/button N", as written
  std::optional<std::string> runList;  // "/run LIST"
  std::optional<std::string> language;  // "/lang TAG"
};

// The arguments as the system splits them; a name without its value is left
// out, as is every argument the launcher does not know.
LauncherArguments ReadArguments(std::string_view commandLine);

// The arguments of a whole command line: what follows the program's name
// (read as Windows reads it) and the blanks after it.
std::string_view WithoutProgramName(std::string_view commandLine);

// The short text "/?" shows.
extern const char kUsageText[];

}  // namespace launcher
