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

std::string SystemModulePath() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return {};  // the longest path Windows has
    buffer.resize(buffer.size() * 2);
  }
}

bool EnterFolder(const std::string& folder) { return SetCurrentDirectoryA(folder.c_str()) != 0; }

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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
