#include "windows/Win32ConfigHost.h"

#include <windows.h>

#include <vector>

#include "core/Platform.h"
#include "windows/Win32Text.h"

namespace launcher {

Win32ConfigHost::Win32ConfigHost(CharsetSink charsetSink)
    : locale_(static_cast<uint32_t>(GetThreadLocale())), charsetSink_(std::move(charsetSink)) {}

std::string Win32ConfigHost::CurrentDirectory() {
  // The usual 261 characters; a longer directory gets a buffer of its size
  // rather than being cut.
  std::vector<char> buffer(MAX_PATH + 1);
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) length = 0;
  }
  return std::string(buffer.data(), length);
}

uint32_t Win32ConfigHost::OsMajorVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = 148;
  GetVersionExA(&info);
  return info.dwMajorVersion;
}

std::string Win32ConfigHost::EnvironmentVariable(const std::string& name) {
  DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::string value(needed, '\0');
  DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

std::string Win32ConfigHost::ReadProfileString(const std::string& file, const std::string& section,
                                               const std::string& key, const std::string& fallback) {
  char buffer[2048];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                          file.c_str());
  return std::string(buffer, length);
}

std::unique_ptr<RandomAccessFile> Win32ConfigHost::OpenFile(const std::string& path) { return OpenPlatformFile(path); }

std::u16string Win32ConfigHost::ToWide(std::string_view text) { return ToUtf16(CP_ACP, text); }

std::string Win32ConfigHost::ToNarrow(std::u16string_view text) { return FromUtf16(CP_ACP, text); }

std::string Win32ConfigHost::UpperCase(std::string_view text) {
  std::string out(text);
  if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

void Win32ConfigHost::SetCharset(uint8_t charset) {
  if (charsetSink_) charsetSink_(charset);
}

}  // namespace launcher
