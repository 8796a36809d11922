#include "core/Machine.h"

#include <algorithm>
#include <cctype>

#include "core/Selection.h"

namespace launcher {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool IsProductCode(std::string_view code) {
  if (code.size() != 38 || code.front() != '{' || code.back() != '}') return false;
  for (size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? code[i] != '-' : !std::isxdigit(static_cast<unsigned char>(code[i]))) return false;
  }
  return true;
}

// "NAME>=VERSION" or "NAME".
bool SplitMinimum(std::string_view text, Detection& detection) {
  const size_t at = text.rfind(">=");
  detection.target = std::string(text.substr(0, at));
  if (at == std::string_view::npos) return true;
  detection.minimum = ParseVersion(WithoutSpacesAround(text.substr(at + 2)));
  return detection.minimum.has_value();
}

}  // namespace

std::string ProcessorName(Processor processor) {
  switch (processor) {
    case Processor::kX86: return "x86";
    case Processor::kX64: return "x64";
    case Processor::kArm64: return "arm64";
  }
  return {};
}

std::optional<Processor> ProcessorNamed(std::string_view name) {
  const std::string lower = Lower(WithoutSpacesAround(name));
  for (Processor processor : {Processor::kX86, Processor::kX64, Processor::kArm64}) {
    if (lower == ProcessorName(processor)) return processor;
  }
  return std::nullopt;
}

std::string VersionText(const Version& version) {
  std::string text;
  for (size_t i = 0; i < version.size(); ++i) text += (i ? "." : "") + std::to_string(version[i]);
  return text;
}

std::optional<Version> ParseVersion(std::string_view text) {
  Version version;
  size_t start = 0;
  while (true) {
    const size_t dot = text.find('.', start);
    const std::string_view part = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
    if (part.empty() || part.size() > 9) return std::nullopt;
    uint32_t number = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    version.push_back(number);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (version.size() > 4) return std::nullopt;
  return version;
}

int CompareVersions(const Version& a, const Version& b) {
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const uint32_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

std::string ActionTextOn(const Machine& machine, const ConfigLookup& config, const std::string& key) {
  std::string text = config(key + "_" + ProcessorName(machine.processor));
  if (text.empty() && machine.processor == Processor::kArm64 &&
      CompareVersions(machine.windows, {10, 0, kWindows11Build}) >= 0) {
    text = config(key + "_x64");
  }
  return text.empty() ? config(key) : text;
}

MenuButtonTexts MenuButtonOn(const Machine& machine, const ConfigLookup& config, int number) {
  MenuButtonTexts texts = MenuButtonFor(config, number);
  if (texts.caption.empty()) return texts;
  const std::string prefix = "Button" + std::to_string(number);
  if (!OfferedOn(machine, config(prefix + "Architectures"), config(prefix + "MinWindows"))) return {};
  texts.action = ActionTextOn(machine, config, prefix + "Action");
  return texts;
}

void FitToMachine(const Machine& machine, const ConfigLookup& config, std::vector<Actions>& table) {
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    Actions& entry = table[i];
    entry.Action = ActionTextOn(machine, config, "Action" + n);
    entry.Offered = OfferedOn(machine, config("Architectures" + n), config("MinWindows" + n));
    entry.Installed = config("Installed" + n);
  }
}

bool OfferedOn(const Machine& machine, const std::string& architectures, const std::string& minWindows) {
  if (!architectures.empty()) {
    bool listed = false, readable = false;
    for (const std::string& name : SplitCompoundList(architectures)) {
      const std::optional<Processor> processor = ProcessorNamed(name);
      readable |= processor.has_value();
      listed |= processor == machine.processor;
    }
    if (readable && !listed) return false;
  }
  const std::optional<Version> minimum = ParseVersion(WithoutSpacesAround(minWindows));
  return !minimum || CompareVersions(machine.windows, *minimum) >= 0;
}

std::optional<Detection> ParseDetection(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const std::string form = Lower(text.substr(0, colon));
  const std::string rest = text.substr(colon + 1);
  Detection detection;
  if (form == "msi") {
    detection.kind = Detection::Kind::kMsi;
    detection.target = WithoutSpacesAround(rest);
    if (!IsProductCode(detection.target)) return std::nullopt;
    return detection;
  }
  if (form == "uninstall" || form == "file") {
    detection.kind = form == "file" ? Detection::Kind::kFile : Detection::Kind::kUninstall;
    if (!SplitMinimum(rest, detection) || detection.target.empty()) return std::nullopt;
    return detection;
  }
  if (form == "registry") {
    detection.kind = Detection::Kind::kRegistry;
    const size_t value = rest.find("\\\\");
    detection.target = rest.substr(0, value);
    if (value != std::string::npos) detection.value = rest.substr(value + 2);
    if (detection.target.empty()) return std::nullopt;
    return detection;
  }
  return std::nullopt;
}

}  // namespace launcher
