#include "Disccheck.h"

#include <charconv>
#include <exception>
#include <optional>

#include "archive/ZipArchive.h"
#include "core/Config.h"
#include "core/DiscFolderHost.h"
#include "core/Utf8.h"

namespace launcher::disccheck {
namespace {

constexpr char kUsage[] =
    "usage: disccheck COMMAND ...\n"
    "\n"
    "commands:\n"
    "  config DISC_DIR [--language N] [--os-major N]\n"
    "      Loads the disc's configuration exactly as the launcher would and prints it.\n"
    "      N for --language is the primary language number (9 English, 7 German,\n"
    "      10 Spanish, 12 French, 17 Japanese; default 9); --os-major is the Windows\n"
    "      major version (default 6).\n";

struct UsageError {
  std::string message;
};

std::optional<uint32_t> ParseNumber(const std::string& text) {
  uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Keys and values on one line each: backslashes, CR and LF are escaped.
std::string Escaped(const std::string& utf8) {
  std::string out;
  for (char c : utf8) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

int Config(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string disc;
  uint32_t language = 9, osMajor = 6;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--language" || arg == "--os-major") {
      std::optional<uint32_t> value = i + 1 < args.size() ? ParseNumber(args[i + 1]) : std::nullopt;
      if (!value) throw UsageError{arg + " needs a number"};
      (arg == "--language" ? language : osMajor) = *value;
      ++i;
    } else if (disc.empty() && !arg.starts_with("--")) {
      disc = arg;
    } else {
      throw UsageError{"unexpected argument '" + arg + "'"};
    }
  }
  if (disc.empty()) throw UsageError{"config needs a DISC_DIR"};

  DiscFolderHost host(disc, language, osMajor);
  ZipArchive archive;
  Configuration config;
  try {
    GetConfig(host, archive, config);
  } catch (const std::exception& e) {
    err << "error: " << e.what() << "\n";
    return kErrors;
  }
  auto utf8 = [&host](const std::string& narrow) { return ToUtf8(host.ToWide(narrow)); };
  out << "section: " << utf8(config.ConfigSection) << "\n"
      << "properties: " << config.PropertiesMember << "\n"
      << "charset: " << static_cast<int>(host.Charset()) << "\n"
      << "shell-launcher: " << utf8(config.ShellLauncher) << "\n"
      << "longest-button-text: " << utf8(config.LongestButtonText) << "\n"
      << "entries: " << config.EntryKeys.size() << "\n";
  for (const std::string& key : config.EntryKeys) {
    out << Escaped(utf8(key)) << "=" << Escaped(ToUtf8(config.ConfigStrings->Get(key))) << "\n";
  }
  return kClean;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? kErrors : kClean;
  }
  try {
    if (args.size() > 1 && args[1] == "--help") {
      out << kUsage;
      return kClean;
    }
    if (args[0] == "config") return Config(args, out, err);
    throw UsageError{"unknown command '" + args[0] + "'"};
  } catch (const UsageError& e) {
    err << "disccheck: " << e.message << "\n\n" << kUsage;
    return kErrors;
  }
}

}  // namespace launcher::disccheck
