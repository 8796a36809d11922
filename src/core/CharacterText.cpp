#include "core/CharacterText.h"

namespace launcher {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The one replacement loop: `haystack` is searched, `source` is copied; both
// have the same length (the upper-cased text, or the text itself).
std::string ReplaceEvery(std::string_view source, std::string_view haystack, std::string_view pattern,
                         std::string_view replacement) {
  if (pattern.empty()) return std::string(source);
  std::string result;
  size_t copied = 0;
  for (size_t found = FindText(haystack, pattern); found != std::string_view::npos;
       found = FindText(haystack, pattern, copied)) {
    result.append(source.substr(copied, found - copied));
    result.append(replacement);
    copied = found + pattern.size();
  }
  result.append(source.substr(copied));
  return result;
}

}  // namespace

size_t NextCharacter(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
  if (length == 1 || lead > 0xF4) return at + 1;
  for (size_t k = 1; k < length; ++k) {
    if (at + k >= text.size() || !IsContinuation(static_cast<unsigned char>(text[at + k]))) return at + 1;
  }
  return at + length;
}

size_t FindText(std::string_view text, std::string_view pattern, size_t from) {
  for (size_t at = from; at < text.size(); at = NextCharacter(text, at)) {
    if (text.substr(at, pattern.size()) == pattern) return at;
  }
  return pattern.empty() && from == text.size() ? from : std::string_view::npos;
}

bool ContainsText(std::string_view text, std::string_view pattern) {
  return FindText(text, pattern) != std::string_view::npos;
}

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t at = 0; at < text.size(); at = NextCharacter(text, at)) {
    if (text[at] == c) found = at;
  }
  return found;
}

bool EndsWithChar(std::string_view text, char c) {
  const size_t last = FindLastChar(text, c);
  return last != std::string_view::npos && last + 1 == text.size();
}

size_t CharacterOffset(std::string_view text, size_t index) {
  size_t at = 0;
  for (size_t n = 0; n < index && at < text.size(); ++n) at = NextCharacter(text, at);
  return at;
}

std::string replaceTokens(std::string_view source, std::string_view token, std::string_view replacement) {
  return ReplaceEvery(source, source, token, replacement);
}

std::string ReplaceIgnoringCase(std::string_view source, std::string_view pattern, std::string_view replacement,
                                const UpperCaseFn& upperCase) {
  const std::string upperSource = KeepingPositions(source, upperCase(source));
  return ReplaceEvery(source, upperSource, upperCase(pattern), replacement);
}

std::string KeepingPositions(std::string_view original, std::string_view upper) {
  std::string kept;
  kept.reserve(original.size());
  size_t u = 0;
  for (size_t at = 0; at < original.size();) {
    const size_t next = NextCharacter(original, at);
    const size_t upperNext = u < upper.size() ? NextCharacter(upper, u) : u;
    kept.append(upperNext - u == next - at ? upper.substr(u, next - at) : original.substr(at, next - at));
    at = next;
    u = upperNext;
  }
  return kept;
}

}  // namespace launcher
