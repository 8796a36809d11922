// Helpers for the Windows tests: answering the launcher's windows from a
// watcher thread, as a person would, and keeping screenshots.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace launcher::test {

// The text of a window, read without sending it a message (its thread may
// be blocked): in the system's code page, and whole.
std::string WindowText(HWND window);
std::wstring WideWindowText(HWND window);

// Waits up to `timeoutMs` for a visible top-level window of a process (this
// one by default) with the class name; null when none appears.
// A visible top-level window of the process that `matches` accepts.
HWND VisibleWindowOf(DWORD processId, const std::function<bool(HWND)>& matches);
HWND WaitForVisibleWindow(const char* className, DWORD timeoutMs = 5000, DWORD processId = GetCurrentProcessId());

// Waits up to `timeoutMs` until the window and its children have nothing
// left to paint, as a person would look only once it is drawn; false when
// it is still not drawn then.
bool WaitUntilPainted(HWND window, DWORD timeoutMs = 3000);

// Waits up to `timeoutMs` for the condition; its last value.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The focused window of another thread.
HWND FocusOf(DWORD threadId);

// Watches for one window of a class on its own thread; when it appears,
// records its title and the text of its child with `textId`, then acts on it.
class WindowAnswerer {
 public:
  using Action = std::function<void(HWND window)>;
  WindowAnswerer(const char* className, int textId, Action action);
  ~WindowAnswerer();
  WindowAnswerer(const WindowAnswerer&) = delete;
  WindowAnswerer& operator=(const WindowAnswerer&) = delete;

  // Joins the thread; true when the window was found.
  bool Finish();
  std::string title;
  std::string text;

 private:
  std::thread thread_;
  std::atomic<bool> found_{false};
};

// Writes what the window shows on screen, frame included, as a 24-bit BMP.
bool SaveScreenshot(HWND window, const std::string& path);

// The colour of a client pixel as the screen shows it (0x00BBGGRR).
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace launcher::test
