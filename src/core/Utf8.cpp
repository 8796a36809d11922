#include "core/Utf8.h"

#include <algorithm>

#include "core/CharacterText.h"

namespace launcher {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The code point of the well-formed character at `at` that ends at `next`;
// U+FFFD for a byte of its own above 127.
char32_t CodePointAt(std::string_view text, size_t at, size_t next) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (next - at == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> (next - at));
  for (size_t k = at + 1; k < next; ++k) c = (c << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
  return c;
}

// A character that NextCharacter steps over whole but that UTF-8 does not
// allow: an overlong form, a surrogate, or a code point above U+10FFFF.
bool IsAllowed(char32_t c, size_t length) {
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return c >= smallest[length] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

bool IsWellFormedUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t next = NextCharacter(text, at);
    if (next - at == 1 ? static_cast<unsigned char>(text[at]) >= 0x80 : !IsAllowed(CodePointAt(text, at, next), next - at)) {
      return false;
    }
    at = next;
  }
  return true;
}

TextEncoding EncodingOf(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) return TextEncoding::kUtf8;
  return !IsAscii(text) && IsWellFormedUtf8(text) ? TextEncoding::kUtf8 : TextEncoding::kSystemCodePage;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const char* EncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? "UTF-8" : "the system's code page";
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? text.substr(kByteOrderMark.size()) : text;
}

char32_t CharacterAt(std::string_view text, size_t at, size_t next) {
  const char32_t c = CodePointAt(text, at, next);
  return IsAllowed(c, next - at) ? c : 0xFFFD;
}

}  // namespace launcher
