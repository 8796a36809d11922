#include "windows/system/Environment.h"

#include <windows.h>

#include <vector>

namespace launcher {
namespace {

// The size of the version record GetVersionExA fills: OSVERSIONINFOA.
constexpr DWORD kVersionInfoSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);
constexpr DWORD kProfileBufferSize = 2048;

}  // namespace

std::string SystemCurrentDirectory() {
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

uint32_t SystemMajorVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = kVersionInfoSize;
  GetVersionExA(&info);
  return info.dwMajorVersion;
}

std::string SystemEnvironmentVariable(const std::string& name) {
  DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::string value(needed, '\0');
  DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

std::string SystemProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) {
  char buffer[kProfileBufferSize];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                          file.c_str());
  return std::string(buffer, length);
}

}  // namespace launcher
