#include "core/Arguments.h"

#include <algorithm>
#include <cctype>

#include "core/CommandWords.h"

namespace launcher {
namespace {

std::vector<std::string> SplitArguments(std::string_view commandLine) {
  std::vector<std::string> arguments;
  for (size_t at = 0; at < commandLine.size();) {
    if (commandLine[at] == ' ' || commandLine[at] == '\t') {
      ++at;
      continue;
    }
    size_t end;
    if (commandLine[at] == '"') {
      end = commandLine.find('"', at + 1);
      arguments.emplace_back(commandLine.substr(at + 1, end == std::string_view::npos ? end : end - at - 1));
      end = end == std::string_view::npos ? commandLine.size() : end + 1;
    } else {
      end = std::min(commandLine.find_first_of(" \t", at), commandLine.size());
      arguments.emplace_back(commandLine.substr(at, end - at));
    }
    at = end;
  }
  return arguments;
}

bool Named(const std::string& argument, const char* name) {
  return std::equal(argument.begin(), argument.end(), name, name + std::char_traits<char>::length(name),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

const char kUsageText[] =
    "Install_Windows [/log FILE] [/lang TAG]\n"
    "    shows the disc's menu; /log appends what happens to FILE, /lang shows the texts of\n"
    "    that language (pt_BR, ja) where the disc has them.\n\n"
    "Install_Windows /quiet /button N [/log FILE]\n"
    "Install_Windows /quiet /run Action1,Action3 [/log FILE]\n"
    "    runs menu button N's action, or the listed components, without a window, and ends with\n"
    "    0 (installed), 3010 (restart needed), 1641 (restart started), 1602 (cancelled),\n"
    "    the failed component's code (or 1603), 1618 (another installation runs) or 87 (bad arguments).";

std::string_view WithoutProgramName(std::string_view commandLine) {
  const CommandWords split = SplitCommandWords(commandLine);
  return split.words.size() < 2 ? std::string_view() : commandLine.substr(split.words[1].begin);
}

LauncherArguments ReadArguments(std::string_view commandLine) {
  const std::vector<std::string> arguments = SplitArguments(commandLine);
  LauncherArguments read;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].empty();
    if (Named(argument, "/quiet")) {
      read.quiet = true;
    } else if (Named(argument, "/?")) {
      read.usage = true;
    } else if (hasValue && Named(argument, "/log")) {
      read.logFile = arguments[++i];
    } else if (hasValue && Named(argument, "/button")) {
      read.button = arguments[++i];
    } else if (hasValue && Named(argument, "/run")) {
      read.runList = arguments[++i];
    } else if (hasValue && Named(argument, "/lang")) {
      read.language = arguments[++i];
    }
  }
  return read;
}

}  // namespace launcher
