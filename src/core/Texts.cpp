#include "core/Texts.h"

#include "core/CharacterText.h"

namespace launcher {

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

}  // namespace launcher
