#include "core/Texts.h"

#include "core/CharacterText.h"

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

std::string WithFinalFullStop(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

int PlacementOrigin(int screen, int size, int offset) {
  const int spare = screen - size;
  return spare >= offset ? spare / 2 - offset : spare / 2;
}
std::string AsDrawnLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

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
