#include "windows/WindowTestSupport.h"

#include <cstdio>
#include <vector>

namespace launcher::test {

std::wstring WideWindowText(HWND window) {
  wchar_t buffer[4096];
  return std::wstring(buffer, static_cast<size_t>(InternalGetWindowText(window, buffer, 4096)));
}

std::string WindowText(HWND window) {
  const std::wstring wide = WideWindowText(window);
  const wchar_t* buffer = wide.c_str();
  const int length = static_cast<int>(wide.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, buffer, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, buffer, length, text.data(), bytes, nullptr, nullptr);
  return text;
}

namespace {

struct Search {
  DWORD processId;
  const std::function<bool(HWND)>& matches;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->processId && IsWindowVisible(window) && search->matches(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND VisibleWindowOf(DWORD processId, const std::function<bool(HWND)>& matches) {
  Search search{processId, matches, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForVisibleWindow(const char* className, DWORD timeoutMs, DWORD processId) {
  const auto ofClass = [className](HWND window) {
    char name[256];
    return GetClassNameA(window, name, sizeof name) && lstrcmpA(name, className) == 0;
  };
  const DWORD start = GetTickCount();
  do {
    if (HWND found = VisibleWindowOf(processId, ofClass)) return found;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(20)) {
    if (condition()) return true;
  }
  return condition();
}

namespace {

BOOL CALLBACK NeedsPainting(HWND child, LPARAM found) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool WaitUntilPainted(HWND window, DWORD timeoutMs) {
  return WaitFor(
      [window] {
        bool pending = GetUpdateRect(window, nullptr, FALSE) != 0;
        if (!pending) EnumChildWindows(window, NeedsPainting, reinterpret_cast<LPARAM>(&pending));
        return !pending;
      },
      timeoutMs);
}

HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

WindowAnswerer::WindowAnswerer(const char* className, int textId, Action action)
    : thread_([this, className, textId, action] {
        HWND window = WaitForVisibleWindow(className);
        if (!window) return;
        WaitUntilPainted(window);
        title = WindowText(window);
        text = WindowText(GetDlgItem(window, textId));
        found_ = true;
        action(window);
      }) {}

WindowAnswerer::~WindowAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool WindowAnswerer::Finish() {
  if (thread_.joinable()) thread_.join();
  return found_;
}

bool SaveScreenshot(HWND window, const std::string& path) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
  file.bfSize = file.bfOffBits + imageBytes;
  bool ok = false;
  if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
         std::fwrite(bits, imageBytes, 1, out) == 1;
    std::fclose(out);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

COLORREF ClientPixel(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

}  // namespace launcher::test
