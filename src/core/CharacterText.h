// Positions in the launcher's texts count characters. The disc's texts are
// held in UTF-8 from the moment they are read, whatever the disc was written
// in, so a character is one to four bytes and every search, cut and
// comparison of a position steps over whole characters: a continuation byte
// is never taken for "\", "]", "[" or a letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/UpperCase.h"

namespace launcher {

// Where the character after the one starting at `at` starts. A byte that
// starts no well-formed character is a character of its own, so that a
// broken text still steps forward one byte at a time.
size_t NextCharacter(std::string_view text, size_t at);

// The first occurrence of `pattern` that begins where a character begins,
// at or after byte `from` (a character start); npos when there is none.
size_t FindText(std::string_view text, std::string_view pattern, size_t from = 0);
bool ContainsText(std::string_view text, std::string_view pattern);
// The last character that is `c` (an ASCII character); npos for none.
size_t FindLastChar(std::string_view text, char c);
// Whether the text's last character is `c`.
bool EndsWithChar(std::string_view text, char c);
// Where character number `index` (from 0) starts; the text's size when it
// has fewer characters.
size_t CharacterOffset(std::string_view text, size_t index);

// replaceTokens: every occurrence of `token` replaced, letter case counting.
// An empty token changes nothing.
std::string replaceTokens(std::string_view source, std::string_view token, std::string_view replacement);

// The same with letter case ignored: text and pattern are compared after
// upper-casing, which keeps every character's position.
std::string ReplaceIgnoringCase(std::string_view source, std::string_view pattern, std::string_view replacement,
                                const UpperCaseFn& upperCase);

// An upper-cased text that keeps the original's positions: a character whose
// upper case has another length (or that the upper-casing lost) is kept as
// it was.
std::string KeepingPositions(std::string_view original, std::string_view upper);

}  // namespace launcher
