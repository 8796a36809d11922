// The disc's texts are held in UTF-8. A properties member may be written in
// UTF-8 or in the system's 8-bit code page; this decides which, and converts
// between UTF-8 and UTF-16 for the tools that have no system to ask.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

enum class TextEncoding { kSystemCodePage, kUtf8 };

// UTF-8 when the text starts with the byte order mark, or when it is
// well-formed UTF-8 throughout and holds a byte above 127; the system's code
// page otherwise. Shift-JIS and the 8-bit European code pages are never
// well-formed UTF-8 once they hold such a byte, so their discs read as
// they always have.
TextEncoding EncodingOf(std::string_view text);
// Whether every byte is ASCII: such a text reads the same in UTF-8 and in
// every code page, and upper-cases the same in each.
bool IsAscii(std::string_view text);
bool IsWellFormedUtf8(std::string_view text);
// "UTF-8" or "the system's code page", as the log and disccheck say it.
const char* EncodingName(TextEncoding encoding);
// The text without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);

// The code point of the character from `at` to `next` (as NextCharacter
// steps); U+FFFD for a byte of its own above 127 and for a form UTF-8 does
// not allow (overlong, a surrogate, beyond U+10FFFF).
char32_t CharacterAt(std::string_view text, size_t at, size_t next);

// Unpaired surrogates and bytes that start no character become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace launcher
