#include "core/Startup.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace launcher {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A number as the boolean reading accepts it: decimal, with an optional
// sign, fraction and exponent.
bool IsNumber(const std::string& text, double& value) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return false;
  const char* begin = text.c_str();
  char* end = nullptr;
  value = std::strtod(begin, &end);
  if (end != begin + text.size()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E') {
      return false;  // no hexadecimal, infinities or NaN
    }
  }
  return true;
}

}  // namespace

int32_t StrToInt(const std::string& text) {
  int32_t value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (text.empty() || error != std::errc() || stop != end || begin == end) {
    throw LauncherError("'" + text + "' is not a valid integer value");
  }
  return value;
}

bool StrToBool(const std::string& text) {
  double number = 0;
  if (IsNumber(text, number)) return number != 0;
  const std::string lower = Lower(text);
  if (lower == "true") return true;
  if (lower == "false") return false;
  throw LauncherError("'" + text + "' is not a valid boolean value");
}

int32_t ReadActionTotal(const ConfigLookup& config) { return StrToInt(config("ActionTotal")); }

size_t TableSize(int32_t actionTotal) {
  if (actionTotal < 0) throw LauncherError("Range check error");
  return static_cast<size_t>(actionTotal);
}

void FillActionTable(const ConfigLookup& config, std::vector<Actions>& table) {
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    Actions& entry = table[i];
    entry.Action = config("Action" + n);
    entry.Text = config("Text" + n);
    entry.Description = config("Description" + n);
    entry.Assist = StrToBool(config("Assist" + n));
    entry.AssistText = config("AssistText" + n);
  }
}

MenuButtonTexts MenuButtonFor(const ConfigLookup& config, int number) {
  const std::string prefix = "Button" + std::to_string(number);
  MenuButtonTexts texts;
  texts.caption = config(prefix + "Text");
  if (!texts.caption.empty()) {
    texts.hint = config(prefix + "ToolTip");
    texts.action = config(prefix + "Action");
  }
  return texts;
}

}  // namespace launcher
