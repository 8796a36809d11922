// Conversions for an explicit code page, which only the tools and the tests
// ask for: the launcher converts its own texts through Win32Text.
#include "core/Platform.h"
#include "windows/system/Win32Text.h"

namespace launcher {

std::u16string DecodeCodePage(unsigned codePage, std::string_view text) {
  const std::wstring wide = WideFrom(codePage, text);
  return std::u16string(wide.begin(), wide.end());
}

std::string EncodeCodePage(unsigned codePage, std::u16string_view text) {
  return NarrowFrom(codePage, std::wstring(text.begin(), text.end()));
}

}  // namespace launcher
