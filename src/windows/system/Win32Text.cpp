#include "windows/system/Win32Text.h"

#include <windows.h>

#include <climits>

#include "core/CharacterText.h"

namespace launcher {

std::wstring WideFrom(unsigned codePage, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring out(static_cast<size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0) MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), needed);
  return out;
}

std::string NarrowFrom(unsigned codePage, std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

std::wstring Wide(std::string_view text) { return WideFrom(CP_UTF8, text); }

std::string Utf8Of(std::wstring_view text) { return NarrowFrom(CP_UTF8, text); }

namespace {

bool InCodePage(wchar_t c) {
  char bytes[2];
  BOOL lost = FALSE;
  return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &lost) > 0 && !lost;
}

}  // namespace

std::string UpperCaseOf(std::string_view text, TextEncoding disc) {
  // Keys and most action texts are ASCII.
  if (IsAscii(text)) {
    std::string upper(text);
    if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
  }
  const std::wstring original = Wide(text);
  std::wstring upper = original;
  if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  for (size_t k = 0; k < upper.size() && disc == TextEncoding::kSystemCodePage; ++k) {
    // The 8-bit upper-casing changes only a letter of the code page into
    // another of it.
    if (upper[k] != original[k] && original[k] >= 0x80 && !(InCodePage(original[k]) && InCodePage(upper[k]))) {
      upper[k] = original[k];
    }
  }
  return KeepingPositions(text, Utf8Of(upper));
}

std::string TextFromSystem(SystemTextCall call, const wchar_t* subject) {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  DWORD length = call(subject, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = call(subject, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) length = 0;
  }
  return Utf8Of(std::wstring_view(buffer.data(), length));
}

std::string SystemErrorText(unsigned long error) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = buffer ? Utf8Of(std::wstring_view(buffer, length)) : std::string();
  LocalFree(buffer);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) text.pop_back();
  return text.empty() ? "error " + std::to_string(error) : text;
}

}  // namespace launcher
