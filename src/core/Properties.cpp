#include "core/Properties.h"

#include <unordered_map>

namespace launcher {
namespace {

std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits at CR, LF and CR LF; a NUL byte ends the text.
std::vector<std::string_view> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && EndsWithChar(line, ']');
}

}  // namespace

std::vector<PropertyEntry> ReadPropertiesSection(std::string_view text, std::string_view section,
                                                 const UpperCaseFn& upperCase) {
  const std::string wanted = upperCase(Trim(section));

  // Only the lines of the last section with the wanted name count.
  struct NumberedLine {
    std::string_view text;
    size_t number;
  };
  std::vector<NumberedLine> body;
  bool inWanted = false;
  const std::vector<std::string_view> lines = SplitLines(text);
  for (size_t index = 0; index < lines.size(); ++index) {
    std::string_view line = Trim(lines[index]);
    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) {
      inWanted = upperCase(Trim(line.substr(1, line.size() - 2))) == wanted;
      if (inWanted) body.clear();
      continue;
    }
    if (inWanted) body.push_back({line, index + 1});
  }

  // One pass finds the last value of every key, so loading stays linear.
  struct Line {
    std::string_view key;
    std::string_view value;
    size_t number;
  };
  std::vector<Line> parsed;
  parsed.reserve(body.size());
  std::unordered_map<std::string, std::string_view> lastValue;
  for (const NumberedLine& numbered : body) {
    const std::string_view line = numbered.text;
    const size_t eq = FindText(line, "=");
    if (eq == std::string_view::npos) {
      parsed.push_back({{}, {}, numbered.number});
      continue;
    }
    Line l{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), numbered.number};
    lastValue[upperCase(l.key)] = l.value;
    parsed.push_back(l);
  }

  std::vector<PropertyEntry> entries;
  entries.reserve(parsed.size());
  for (const Line& l : parsed) {
    auto found = lastValue.find(upperCase(l.key));
    entries.push_back(
        {std::string(l.key), found == lastValue.end() ? std::string() : std::string(found->second), l.number});
  }
  return entries;
}

}  // namespace launcher
