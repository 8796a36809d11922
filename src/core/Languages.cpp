#include "core/Languages.h"

#include <algorithm>

namespace launcher {
namespace {

bool IsLetters(const std::string& part) {
  return std::all_of(part.begin(), part.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
}

bool IsDigits(const std::string& part) {
  return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string CaseAs(std::string part, bool upperFirst, bool upperRest) {
  for (size_t i = 0; i < part.size(); ++i) {
    const bool upper = i == 0 ? upperFirst : upperRest;
    part[i] = static_cast<char>(upper ? part[i] & ~0x20 : part[i] | 0x20);
  }
  return part;
}

struct Tag {
  std::string language, script, region;
};

// A language tag's language, script and region; nothing for a text that is
// none ("x", "??", "en-").
std::optional<Tag> ReadTag(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '-' || c == '_') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  const std::string& language = parts[0];
  if (language.size() < 2 || language.size() > 3 || !IsLetters(language)) return std::nullopt;
  Tag tag{CaseAs(language, false, false), {}, {}};
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.size() == 4 && IsLetters(part) && tag.script.empty() && tag.region.empty()) {
      tag.script = CaseAs(part, true, false);
    } else if ((part.size() == 2 && IsLetters(part)) || (part.size() == 3 && IsDigits(part))) {
      if (tag.region.empty()) tag.region = CaseAs(part, true, true);
    } else if (part.empty()) {
      return std::nullopt;
    }
  }
  return tag;
}

// Chinese is chosen by its script: where the tag names none, the region
// says which one its readers use.
std::string ChineseScript(const Tag& tag) {
  if (!tag.script.empty()) return tag.script;
  if (tag.region == "TW" || tag.region == "HK" || tag.region == "MO") return "Hant";
  if (tag.region == "CN" || tag.region == "SG") return "Hans";
  return {};
}

void AddOnce(std::vector<std::string>& suffixes, const std::string& suffix) {
  if (std::find(suffixes.begin(), suffixes.end(), suffix) == suffixes.end()) suffixes.push_back(suffix);
}

void AddCandidates(const Tag& tag, std::vector<std::string>& suffixes) {
  const std::string language = "_" + tag.language;
  auto add = [&suffixes](const std::string& suffix) { AddOnce(suffixes, suffix); };
  if (tag.language == "zh") {
    const std::string script = ChineseScript(tag);
    if (!tag.region.empty()) add(language + "_" + tag.region);
    if (!script.empty()) add(language + "_" + script);
    if (script == "Hans") add("_zh_CN");
    if (script == "Hant") add("_zh_TW");
    add(language);
    return;
  }
  if (!tag.script.empty()) {
    if (!tag.region.empty()) add(language + "_" + tag.script + "_" + tag.region);
    add(language + "_" + tag.script);
  }
  if (!tag.region.empty()) add(language + "_" + tag.region);
  add(language);
  if (tag.language == "nb" || tag.language == "nn") add("_no");
}

}  // namespace

std::vector<std::string> MemberSuffixes(const std::vector<std::string>& displayLanguages) {
  std::vector<std::string> suffixes;
  for (const std::string& text : displayLanguages) {
    if (const std::optional<Tag> tag = ReadTag(text)) {
      AddCandidates(*tag, suffixes);
    } else if (!text.empty()) {
      AddOnce(suffixes, "_" + text);
    }
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
