// Which translation of the disc's texts the launcher reads: the properties
// members are named as resource bundles are ("launcher_windows_pt_BR"), and
// the user's display languages, most preferred first, name the candidates.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace launcher {

// The member suffixes to try, in order, for display languages given as
// language tags ("de-CH", "zh-Hant-TW", "pt_BR"): for each language
// "_<language>_<script>_<REGION>", "_<language>_<script>",
// "_<language>_<REGION>" and "_<language>" (as far as the tag has them);
// Chinese falls to the member of its script ("_zh_Hans" or "_zh_Hant",
// from the region where the tag names none) and its usual region
// ("_zh_CN", "_zh_TW") before "_zh", and Norwegian Bokmål and Nynorsk to
// "_no". The base member's empty suffix ends the list. A tag that is no
// language tag is tried as it is written.
std::vector<std::string> MemberSuffixes(const std::vector<std::string>& displayLanguages);

// The display languages with the one an author asked for ("/lang TAG") first.
std::vector<std::string> WithPreferredLanguage(std::vector<std::string> displayLanguages,
                                               const std::optional<std::string>& preferred);

}  // namespace launcher
