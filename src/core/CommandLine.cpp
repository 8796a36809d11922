#include "core/CommandLine.h"

#include <algorithm>

namespace launcher {
namespace {

// A "." in the last part of the name; a "\\" that is the second byte of a
// two-byte character separates nothing.
bool HasExtension(std::string_view name) {
  const size_t dot = FindLastChar(name, '.');
  if (dot == std::string_view::npos) return false;
  const std::string_view rest = name.substr(dot);
  return FindText(rest, "\\") == std::string_view::npos && FindText(rest, "/") == std::string_view::npos;
}

std::optional<std::string> Find(std::string_view name, const FindProgramFn& findProgram) {
  if (name.empty()) return std::nullopt;
  std::string candidate(name);
  if (!HasExtension(candidate)) candidate += ".exe";
  return findProgram(candidate);
}

}  // namespace

std::optional<ProgramStart> SplitCommandLine(std::string_view commandLine, const FindProgramFn& findProgram) {
  if (!commandLine.empty() && commandLine.front() == '"') {
    const size_t close = commandLine.find('"', 1);
    const std::string_view name = commandLine.substr(1, close == std::string_view::npos ? close : close - 1);
    std::string_view rest = close == std::string_view::npos ? std::string_view() : commandLine.substr(close + 1);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
    if (auto program = Find(name, findProgram)) return ProgramStart{*program, std::string(rest)};
    return std::nullopt;
  }
  for (size_t blank = commandLine.find(' ');; blank = commandLine.find(' ', blank + 1)) {
    const bool whole = blank == std::string_view::npos;
    if (auto program = Find(commandLine.substr(0, blank), findProgram)) {
      return ProgramStart{*program, whole ? std::string() : std::string(commandLine.substr(blank + 1))};
    }
    if (whole) return std::nullopt;
  }
}

}  // namespace launcher
