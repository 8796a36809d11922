// The system's 8-bit upper-casing as the tools and the simulated host
// model it; the launcher asks Windows.
#include "core/Texts.h"

namespace launcher {
namespace {

unsigned char UpperCase1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // s with caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z with caron
    case 0xFF: return 0x9F;  // y with diaeresis
    default: return c;
  }
}

}  // namespace

std::string UpperCaseInCodePage(unsigned codePage, std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (codePage == 932) {
      if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {  // a two-byte character's first byte
        ++i;
      } else if (c >= 'a' && c <= 'z') {
        out[i] = static_cast<char>(c - 32);
      }
    } else {
      out[i] = static_cast<char>(UpperCase1252(c));
    }
  }
  return out;
}

}  // namespace launcher
