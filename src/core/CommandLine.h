// Starting a program that needs administrator rights. A plain start of such
// a program fails with ERROR_ELEVATION_REQUIRED; the launcher then starts
// the same command through the shell, which asks the user for consent. The
// shell takes the program and its parameters apart, so the command line is
// split the way a plain start reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/CharacterText.h"

namespace launcher {

// The launcher's command-line buffer holds 512 characters and the
// terminator; a longer command line is refused, never cut.
inline constexpr size_t kCommandLineLimit = 512;

struct ProgramStart {
  std::string program;     // as the search found it
  std::string parameters;  // the rest of the command line, unchanged
};

// Where a plain start would find the program file `name`, or nothing.
using FindProgramFn = std::function<std::optional<std::string>(const std::string& name)>;

// A quoted program name ends at its closing quote. An unquoted command line
// is read as a plain start reads it: the shortest part up to a blank (or
// the whole line) that names a program file, ".exe" added to a name
// without an extension. Nothing when no part names one.
std::optional<ProgramStart> SplitCommandLine(std::string_view commandLine, const FindProgramFn& findProgram);

}  // namespace launcher
