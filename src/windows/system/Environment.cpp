#include "windows/system/Environment.h"

#include <windows.h>

#include <vector>

#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

// The size of the version record GetVersionExA fills: OSVERSIONINFOA.
constexpr DWORD kVersionInfoSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);
constexpr DWORD kProfileBufferSize = 2048;

}  // namespace

std::string SystemModulePath() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return Utf8Of(std::wstring_view(buffer.data(), length));
    if (buffer.size() >= 32768) return {};  // the longest path Windows has
    buffer.resize(buffer.size() * 2);
  }
}

bool EnterFolder(const std::string& folder) { return SetCurrentDirectoryW(Wide(folder).c_str()) != 0; }

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SystemCurrentDirectory() {
  return TextFromSystem([](const wchar_t*, wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

uint32_t SystemMajorVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = kVersionInfoSize;
  GetVersionExA(&info);
  return info.dwMajorVersion;
}

std::string SystemEnvironmentVariable(const std::string& name) {
  return TextFromSystem(
      [](const wchar_t* variable, wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(variable, buffer, size); },
      Wide(name).c_str());
}

std::string SystemProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) {
  wchar_t buffer[kProfileBufferSize];
  DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(), buffer,
                                          kProfileBufferSize, Wide(file).c_str());
  return Utf8Of(std::wstring_view(buffer, length));
}

}  // namespace launcher
