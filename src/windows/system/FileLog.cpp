#include "windows/system/FileLog.h"

#include <windows.h>

#include "windows/system/Win32Text.h"

namespace launcher {

FileLog::FileLog(const std::string& path) {
  HANDLE opened = CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened != INVALID_HANDLE_VALUE) file_.Reset(opened);
}

void FileLog::Write(const std::string& line) {
  if (!file_) return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  // The local time in ISO 8601: 2026-12-08T07:10:11.123.
  char stamp[32];
  wsprintfA(stamp, "%04u-%02u-%02uT%02u:%02u:%02u.%03u ", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
            now.wSecond, now.wMilliseconds);
  const std::string text = stamp + line + "\r\n";
  DWORD written = 0;
  if (!WriteFile(file_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) file_.Reset();
}

}  // namespace launcher
