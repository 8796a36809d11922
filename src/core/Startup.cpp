#include "core/Startup.h"

#include "core/Verdict.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace launcher {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A decimal number as the boolean reading accepts it: optional sign, digits
// with an optional fraction, optional exponent. Sets `zero` when its value
// is zero, which only its digits decide.
bool ReadNumber(const std::string& text, bool& zero) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  zero = true;
  auto takeDigits = [&] {
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      digits = true;
      zero &= text[i] == '0';
      ++i;
    }
  };
  takeDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    takeDigits();
  }
  if (!digits) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t exponentStart = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == exponentStart) return false;
  }
  return i == text.size();
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
  bool zero = false;
  if (ReadNumber(text, zero)) return !zero;
  const std::string lower = Lower(text);
  if (lower == "true") return true;
  if (lower == "false") return false;
  throw LauncherError("'" + text + "' is not a valid boolean value");
}

bool OptionalSwitch(const std::string& text) { return IsBooleanText(text) && StrToBool(text); }

bool IsBooleanText(const std::string& text) {
  try {
    StrToBool(text);
    return true;
  } catch (const LauncherError&) {
    return false;
  }
}

namespace {

// A value that stops start-up names its key, for disc authors' tools.
template <typename Read>
auto ReadingKey(const std::string& key, Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const LauncherError& error) {
    throw LauncherError(error.what(), key);
  }
}

}  // namespace

int32_t ReadActionTotal(const ConfigLookup& config) {
  return ReadingKey("ActionTotal", [&] { return StrToInt(config("ActionTotal")); });
}

size_t TableSize(int32_t actionTotal) {
  if (actionTotal < 0) throw LauncherError("Range check error", "ActionTotal");
  return static_cast<size_t>(actionTotal);
}

ActionOptions ReadActionOptions(const ConfigLookup& config, const std::string& prefix, const std::string& suffix) {
  auto value = [&](const char* key) { return config(prefix + key + suffix); };
  ActionOptions options;
  options.WaitForAll = OptionalSwitch(value("WaitForAll"));
  options.Check = value("Check");
  options.SuccessCodes = ParseExitCodes(value("SuccessCodes")).value_or(std::vector<int32_t>{});
  options.CancelCodes = ParseExitCodes(value("CancelCodes")).value_or(std::vector<int32_t>{});
  return options;
}

void FillActionTable(const ConfigLookup& config, std::vector<Actions>& table) {
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    Actions& entry = table[i];
    entry.Action = config("Action" + n);
    entry.Text = config("Text" + n);
    entry.Description = config("Description" + n);
    entry.Assist = ReadingKey("Assist" + n, [&] { return StrToBool(config("Assist" + n)); });
    entry.AssistText = config("AssistText" + n);
    entry.Options = ReadActionOptions(config, "", n);
  }
}

MenuButtonTexts MenuButtonFor(const ConfigLookup& config, int number) {
  const std::string prefix = "Button" + std::to_string(number);
  MenuButtonTexts texts;
  texts.caption = config(prefix + "Text");
  if (!texts.caption.empty()) {
    texts.hint = config(prefix + "ToolTip");
    texts.action = config(prefix + "Action");
    texts.options = ReadActionOptions(config, prefix, "");
  }
  return texts;
}

}  // namespace launcher
