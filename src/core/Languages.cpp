#include "core/Languages.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace launcher {
namespace {

// Adds "_" and the parts that are not empty, joined by "_", unless the list
// has that suffix already.
void Add(std::vector<std::string>& suffixes, std::initializer_list<std::string_view> parts) {
  std::string suffix;
  for (std::string_view part : parts) {
    if (!part.empty()) suffix.append("_").append(part);
  }
  if (std::find(suffixes.begin(), suffixes.end(), suffix) == suffixes.end()) suffixes.push_back(suffix);
}

bool IsLetter(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A language tag's language, script and region in the letter case member
// names use ("zh", "Hant", "TW"); false for a text that is no tag ("x",
// "??", "en-").
bool ReadTag(std::string_view text, std::string (&parts)[3]) {
  for (size_t start = 0, index = 0; start <= text.size(); ++index) {
    const size_t end = std::min(text.find_first_of("-_", start), text.size());
    const std::string_view part = text.substr(start, end - start);
    start = end + 1;
    const bool letters = std::all_of(part.begin(), part.end(), IsLetter);
    const bool digits = !part.empty() && std::all_of(part.begin(), part.end(), IsDigit);
    size_t kind;  // 0 language, 1 script, 2 region
    if (index == 0) {
      if (!letters || part.size() < 2 || part.size() > 3) return false;
      kind = 0;
    } else if (part.size() == 4 && letters && parts[1].empty() && parts[2].empty()) {
      kind = 1;
    } else if ((part.size() == 2 && letters) || (part.size() == 3 && digits)) {
      kind = 2;
    } else if (part.empty()) {
      return false;
    } else {
      continue;  // a variant or an extension: no member is named by it
    }
    if (!parts[kind].empty()) continue;
    for (size_t k = 0; k < part.size(); ++k) {
      // The language in lower case, the script in title case, the region in upper case.
      const bool upper = kind == 2 || (kind == 1 && k == 0);
      parts[kind] += IsLetter(part[k]) ? static_cast<char>(upper ? part[k] & ~0x20 : part[k] | 0x20) : part[k];
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> MemberSuffixes(const std::vector<std::string>& displayLanguages) {
  std::vector<std::string> suffixes;
  for (const std::string& text : displayLanguages) {
    std::string parts[3];
    if (!ReadTag(text, parts)) {
      if (!text.empty()) Add(suffixes, {text});
      continue;
    }
    const std::string& language = parts[0];
    std::string& script = parts[1];
    const std::string& region = parts[2];
    const bool chinese = language == "zh";
    // Chinese is read by its script: where the tag names none, the region
    // says which one its readers use.
    if (chinese && script.empty()) {
      script = region == "TW" || region == "HK" || region == "MO" ? "Hant" : region == "CN" || region == "SG" ? "Hans" : "";
    }
    if (!chinese && !script.empty() && !region.empty()) Add(suffixes, {language, script, region});
    if (chinese && !region.empty()) Add(suffixes, {language, region});
    if (!script.empty()) Add(suffixes, {language, script});
    if (chinese && (script == "Hans" || script == "Hant")) Add(suffixes, {language, script == "Hans" ? "CN" : "TW"});
    if (!chinese && !region.empty()) Add(suffixes, {language, region});
    Add(suffixes, {language});
    if (language == "nb" || language == "nn") Add(suffixes, {"no"});
  }
  suffixes.emplace_back();
  return suffixes;
}

std::vector<std::string> WithPreferredLanguage(std::vector<std::string> displayLanguages,
                                               const std::optional<std::string>& preferred) {
  if (preferred && !preferred->empty()) displayLanguages.insert(displayLanguages.begin(), *preferred);
  return displayLanguages;
}

}  // namespace launcher
