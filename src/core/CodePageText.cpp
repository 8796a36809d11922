#include "core/CodePageText.h"

namespace launcher {
namespace {

// The one replacement loop: `haystack` is searched, `source` is copied; both
// have the same length (the upper-cased text, or the text itself).
std::string ReplaceEvery(std::string_view source, std::string_view haystack, std::string_view pattern,
                         std::string_view replacement, const LeadBytes& lead) {
  if (pattern.empty()) return std::string(source);
  std::string result;
  size_t copied = 0;
  for (size_t found = FindText(haystack, pattern, lead); found != std::string_view::npos;
       found = FindText(haystack, pattern, lead, copied)) {
    result.append(source.substr(copied, found - copied));
    result.append(replacement);
    copied = found + pattern.size();
  }
  result.append(source.substr(copied));
  return result;
}

}  // namespace

LeadBytes LeadBytes::ForCodePage(unsigned codePage) {
  LeadBytes lead;
  if (codePage == 932) {
    for (unsigned byte = 0x81; byte <= 0x9F; ++byte) lead.SetLead(static_cast<unsigned char>(byte));
    for (unsigned byte = 0xE0; byte <= 0xFC; ++byte) lead.SetLead(static_cast<unsigned char>(byte));
  }
  return lead;
}

size_t FindText(std::string_view text, std::string_view pattern, const LeadBytes& lead, size_t from) {
  for (size_t at = from; at < text.size(); at = lead.Next(text, at)) {
    if (text.substr(at, pattern.size()) == pattern) return at;
  }
  return pattern.empty() && from == text.size() ? from : std::string_view::npos;
}

bool ContainsText(std::string_view text, std::string_view pattern, const LeadBytes& lead) {
  return FindText(text, pattern, lead) != std::string_view::npos;
}

size_t FindLastChar(std::string_view text, char c, const LeadBytes& lead) {
  size_t found = std::string_view::npos;
  for (size_t at = 0; at < text.size(); at = lead.Next(text, at)) {
    if (text[at] == c) found = at;
  }
  return found;
}

bool EndsWithChar(std::string_view text, char c, const LeadBytes& lead) {
  const size_t last = FindLastChar(text, c, lead);
  return last != std::string_view::npos && last + 1 == text.size();
}

size_t CharacterOffset(std::string_view text, size_t index, const LeadBytes& lead) {
  size_t at = 0;
  for (size_t n = 0; n < index && at < text.size(); ++n) at = lead.Next(text, at);
  return at;
}

std::string replaceTokens(std::string_view source, std::string_view token, std::string_view replacement,
                          const LeadBytes& lead) {
  return ReplaceEvery(source, source, token, replacement, lead);
}

std::string ReplaceIgnoringCase(std::string_view source, std::string_view pattern, std::string_view replacement,
                                const UpperCaseFn& upperCase, const LeadBytes& lead) {
  const std::string upperSource = upperCase(source);
  // Upper-casing keeps the length in the launcher's code pages; where it
  // would not, letter case counts rather than positions going astray.
  if (upperSource.size() != source.size()) return replaceTokens(source, pattern, replacement, lead);
  return ReplaceEvery(source, upperSource, upperCase(pattern), replacement, lead);
}

}  // namespace launcher
