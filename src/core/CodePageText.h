// Positions in the launcher's 8-bit texts count characters. In the Japanese
// code page (932) a character is one or two bytes, and the second byte of a
// two-byte character may have the code of "\", "]", "[", "n" or most ASCII
// letters; so every search, cut and comparison of a position steps over
// whole characters. A single-byte code page gives exactly the byte rules.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/UpperCase.h"

namespace launcher {

// Which bytes start a two-byte character in the code page in use.
class LeadBytes {
 public:
  LeadBytes() = default;  // a single-byte code page
  // The lead bytes of a code page the launcher knows without asking the
  // system: 932's, none for 1252 and every other single-byte code page.
  static LeadBytes ForCodePage(unsigned codePage);

  bool IsLead(unsigned char byte) const { return lead_[byte]; }
  void SetLead(unsigned char byte) { lead_.set(byte); }
  // Where the character after the one starting at `at` starts; a lead
  // byte at the end of the text is a character of its own.
  size_t Next(std::string_view text, size_t at) const {
    return at + (IsLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1);
  }

 private:
  std::bitset<256> lead_;
};

inline const LeadBytes kSingleByte{};

// The first occurrence of `pattern` that begins where a character begins,
// at or after byte `from` (a character start); npos when there is none.
size_t FindText(std::string_view text, std::string_view pattern, const LeadBytes& lead = kSingleByte,
                size_t from = 0);
bool ContainsText(std::string_view text, std::string_view pattern, const LeadBytes& lead = kSingleByte);
// The last character that is `c` (a single-byte character); npos for none.
size_t FindLastChar(std::string_view text, char c, const LeadBytes& lead = kSingleByte);
// Whether the text's last character is `c`.
bool EndsWithChar(std::string_view text, char c, const LeadBytes& lead = kSingleByte);
// Where character number `index` (from 0) starts; the text's size when it
// has fewer characters.
size_t CharacterOffset(std::string_view text, size_t index, const LeadBytes& lead = kSingleByte);

// replaceTokens: every occurrence of `token` replaced, letter case counting.
// An empty token changes nothing.
std::string replaceTokens(std::string_view source, std::string_view token, std::string_view replacement,
                          const LeadBytes& lead = kSingleByte);

// The same with letter case ignored: text and pattern are compared after the
// system's 8-bit upper-casing, which leaves two-byte characters whole.
std::string ReplaceIgnoringCase(std::string_view source, std::string_view pattern, std::string_view replacement,
                                const UpperCaseFn& upperCase, const LeadBytes& lead = kSingleByte);

}  // namespace launcher
