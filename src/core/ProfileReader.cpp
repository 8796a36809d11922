#include "core/ProfileReader.h"

#include <algorithm>

namespace launcher {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

std::string Finish(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kProfileValueLimit));
}

}  // namespace

std::string ReadProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view fallback) {
  bool inSection = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = TrimBlanks(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string_view name = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
      inSection = SameName(TrimBlanks(name), TrimBlanks(section));
      continue;
    }
    if (!inSection) continue;
    size_t eq = line.find('=');
    std::string_view name = TrimBlanks(line.substr(0, eq));
    if (SameName(name, TrimBlanks(key))) {
      return eq == std::string_view::npos ? std::string() : Finish(TrimBlanks(line.substr(eq + 1)));
    }
  }
  return std::string(fallback.substr(0, kProfileValueLimit));
}

}  // namespace launcher
