#include "Disccheck.h"

#include <charconv>
#include <exception>
#include <optional>

#include "Check.h"
#include "Commands.h"
#include "Disc.h"
#include "core/Config.h"
#include "core/Utf8.h"

namespace launcher::disccheck {
namespace {

constexpr char kUsage[] =
    "usage: disccheck COMMAND DISC_DIR [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  check DISC_DIR [--language L | --all-languages] [--disc TITLE=DIR ...] [--json]\n"
    "      Everything that would stop the launcher, hide a button, break an action or\n"
    "      show a text other than meant. Exit status 0 when clean, 1 with warnings,\n"
    "      2 with errors.\n"
    "  menu DISC_DIR [--language L] [MACHINE] [--json]\n"
    "      The menu as the launcher shows it, with each checklist's rows.\n"
    "  simulate DISC_DIR --click N [--click N ...] [--answer ok|cancel|retry ...]\n"
    "           [--uncheck ROW ...] [--install] [--exit N=CODE ...] [--language L]\n"
    "           [--disc TITLE=DIR ...] [MACHINE] [--json]\n"
    "      Runs the launcher's own actions: clicks menu buttons, unchecks checklist\n"
    "      rows and installs, in the order given, and prints every message window,\n"
    "      every program it would start, what became of each action and every change\n"
    "      of page or disc. Questions take the --answer list in order, Cancel when it\n"
    "      runs out; the Nth program started ends with the --exit CODE given for N,\n"
    "      0 otherwise.\n"
    "  pack SRC_DIR OUT.jar\n"
    "      Writes the folder as an archive with the member names the launcher looks\n"
    "      up, deflated, and reads it back through the launcher's reader.\n"
    "  config DISC_DIR [--language L] [--os-major N]\n"
    "      The configuration as the launcher loads it, one entry a line.\n"
    "\n"
    "MACHINE: [--machine x86|x64|arm64] [--windows VERSION] [--installed N,...]: the\n"
    "processor and Windows the disc is played on (x64, 10.0.19045 unless given), and\n"
    "the components whose Installed N detection counts as installed. Other discs of\n"
    "a set (--disc) stand in drives of their own, E:, F:, ... by title.\n"
    "\n"
    "L for --language is the user's display language as a tag (en-US, de-CH, pt_BR,\n"
    "zh-Hant-TW; en-US unless given) or the system's primary language number of\n"
    "old: 9 English, 7 German, 10 Spanish, 12 French, 17 Japanese. The system's\n"
    "code page follows it: 932 for Japanese, 1252 for every other.\n";

struct UsageError {
  std::string message;
};

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::string language = "en-US";
  uint32_t osMajor = kWindowsVistaMajor;
  bool allLanguages = false;
  bool json = false;
  std::map<std::string, std::string> discs;
  MachineScript machine;
  SimulateScript script;
};

uint32_t Number(const std::string& option, const std::string& text) {
  uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) throw UsageError{option + " needs a number"};
  return value;
}

// A language tag, or one of the primary language numbers disccheck took
// before it took tags.
std::string LanguageTag(const std::string& text) {
  static const std::map<std::string, std::string> kNumbered = {
      {"9", "en"}, {"7", "de"}, {"10", "es"}, {"12", "fr"}, {"17", "ja"}};
  const auto numbered = kNumbered.find(text);
  return numbered == kNumbered.end() ? text : numbered->second;
}

Options Parse(const std::vector<std::string>& args) {
  Options options;
  options.command = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
      return args[++i];
    };
    if (arg == "--language") {
      options.language = LanguageTag(value());
    } else if (arg == "--os-major") {
      options.osMajor = Number(arg, value());
    } else if (arg == "--all-languages") {
      options.allLanguages = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--disc") {
      const std::string& pair = value();
      const size_t equals = pair.find('=');
      if (equals == std::string::npos || equals == 0) throw UsageError{"--disc takes TITLE=DIR"};
      options.discs[pair.substr(0, equals)] = pair.substr(equals + 1);
    } else if (arg == "--machine") {
      const std::optional<Processor> processor = ProcessorNamed(value());
      if (!processor) throw UsageError{"--machine takes x86, x64 or arm64"};
      options.machine.machine.processor = *processor;
    } else if (arg == "--windows") {
      const std::optional<Version> version = ParseVersion(value());
      if (!version) throw UsageError{"--windows takes a version such as 10.0.22000"};
      options.machine.machine.windows = *version;
    } else if (arg == "--installed") {
      for (const std::string& item : SplitCompoundList(value())) {
        options.machine.installed.push_back(static_cast<int32_t>(Number("--installed", item)));
      }
    } else if (arg == "--click" || arg == "--uncheck") {
      const SimulateStep::Kind kind = arg == "--click" ? SimulateStep::kClick : SimulateStep::kUncheck;
      options.script.steps.push_back({kind, static_cast<int>(Number(arg, value()))});
    } else if (arg == "--quiet") {
      options.script.quiet = true;
    } else if (arg == "--button") {
      options.script.unattended.button = value();
    } else if (arg == "--run") {
      options.script.unattended.runList = value();
    } else if (arg == "--install") {
      options.script.steps.push_back({SimulateStep::kInstall, 0});
    } else if (arg == "--answer") {
      const std::string& answer = value();
      if (answer != "ok" && answer != "cancel" && answer != "retry") throw UsageError{"--answer takes ok, cancel or retry"};
      options.script.answers.push_back(answer != "cancel");
    } else if (arg == "--exit") {
      const std::string& pair = value();
      const size_t equals = pair.find('=');
      int32_t code = 0;
      const char* end = pair.data() + pair.size();
      const bool numbered = equals != std::string::npos &&
                            std::from_chars(pair.data() + equals + 1, end, code).ptr == end && equals + 1 < pair.size();
      if (!numbered) throw UsageError{"--exit takes N=CODE"};
      options.script.exitCodes[static_cast<int>(Number("--exit", pair.substr(0, equals)))] = code;
    } else if (arg.rfind("--", 0) == 0) {
      throw UsageError{"unknown option '" + arg + "'"};
    } else {
      options.operands.push_back(arg);
    }
  }
  const size_t wanted = options.command == "pack" ? 2 : 1;
  if (options.operands.size() != wanted) {
    throw UsageError{options.command + (wanted == 2 ? " needs SRC_DIR and OUT.jar" : " needs one DISC_DIR")};
  }
  return options;
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

int Config(const Options& options, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<Disc> disc = LoadDisc(options.operands[0], options.language, options.osMajor);
  const Configuration& config = disc->Settings();
  // What was loaded is shown even when start-up stops later, at its keys.
  if (!config.ConfigStrings) {
    err << "error: " << disc->startupError << "\n";
    return kErrors;
  }
  out << "section: " << config.ConfigSection << "\n"
      << "properties: " << config.PropertiesMember << "\n"
      << "encoding: " << EncodingName(config.Encoding) << "\n"
      << "charset: " << static_cast<int>(config.Charset) << "\n"
      << "shell-launcher: " << config.ShellLauncher << "\n"
      << "longest-button-text: " << config.LongestButtonText << "\n"
      << "entries: " << config.Entries.size() << "\n";
  for (const PropertyEntry& entry : config.Entries) {
    out << Escaped(entry.key) << "=" << Escaped(config.ConfigStrings->Get(entry.key)) << "\n";
  }
  return kClean;
}

int Dispatch(const Options& options, std::ostream& out, std::ostream& err) {
  const std::string& folder = options.operands[0];
  if (options.command == "config") return Config(options, out, err);
  if (options.command == "check") {
    CheckOptions check;
    check.languages = {options.language};
    check.allLanguages = options.allLanguages;
    check.discs = options.discs;
    Report report;
    CheckDisc(folder, check, report);
    report.Print(out, options.json);
    return report.Status();
  }
  if (options.command == "menu") return Menu(folder, options.language, options.machine, options.json, out, err);
  if (options.command == "simulate") {
    return Simulate(folder, options.language, options.discs, options.machine, options.script, options.json, out, err);
  }
  if (options.command == "pack") return Pack(folder, options.operands[1], out, err);
  throw UsageError{"unknown command '" + options.command + "'"};
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kErrors;
  }
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return kClean;
    }
  }
  try {
    return Dispatch(Parse(args), out, err);
  } catch (const UsageError& e) {
    err << "disccheck: " << e.message << "\n\n" << kUsage;
    return kErrors;
  }
}

}  // namespace launcher::disccheck
