#include "windows/system/FileLog.h"

#include <windows.h>

#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

// The number with leading zeros to `digits` places.
std::string Padded(unsigned value, int digits) {
  std::string text(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0 && value > 0; --i, value /= 10) text[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
  return text;
}

// 2026-12-08T07:10:11.123: the local time in ISO 8601.
std::string Timestamp(const SYSTEMTIME& t) {
  return Padded(t.wYear, 4) + "-" + Padded(t.wMonth, 2) + "-" + Padded(t.wDay, 2) + "T" + Padded(t.wHour, 2) + ":" +
         Padded(t.wMinute, 2) + ":" + Padded(t.wSecond, 2) + "." + Padded(t.wMilliseconds, 3);
}

}  // namespace

FileLog::FileLog(const std::string& path) {
  HANDLE opened = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened != INVALID_HANDLE_VALUE) file_.Reset(opened);
}

void FileLog::Write(const std::string& line) {
  if (!file_) return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string text = Timestamp(now) + " " + FromUtf16(CP_UTF8, ToUtf16(CP_ACP, line)) + "\r\n";
  DWORD written = 0;
  if (!WriteFile(file_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) file_.Reset();
}

}  // namespace launcher
