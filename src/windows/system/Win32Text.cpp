#include "windows/system/Win32Text.h"

#include <windows.h>

#include <climits>

namespace launcher {

std::u16string ToUtf16(unsigned codePage, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::u16string out(static_cast<size_t>(needed > 0 ? needed : 0), u'\0');
  if (needed > 0) MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(out.data()), needed);
  return out;
}

std::string FromUtf16(unsigned codePage, std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  int needed = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) WideCharToMultiByte(codePage, 0, wide, length, out.data(), needed, nullptr, nullptr);
  return out;
}

LeadBytes SystemLeadBytes() {
  LeadBytes lead;
  const UINT codePage = GetACP();
  for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte))) lead.SetLead(static_cast<unsigned char>(byte));
  }
  return lead;
}

std::string SystemErrorText(unsigned long error) {
  char* buffer = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = buffer ? std::string(buffer, length) : std::string();
  LocalFree(buffer);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) text.pop_back();
  return text.empty() ? "error " + std::to_string(error) : text;
}

}  // namespace launcher
