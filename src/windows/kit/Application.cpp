#include "windows/kit/Application.h"

#include "windows/kit/WindowClass.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

constexpr char kApplicationClass[] = "TApplication";

// The application's visible windows, front first, until `visit` says stop.
template <typename Visit>
void VisitOwnedWindows(HWND application, Visit visit) {
  for (HWND front = GetTopWindow(nullptr); front; front = GetWindow(front, GW_HWNDNEXT)) {
    if (front != application && GetAncestor(front, GA_ROOTOWNER) == application && IsWindowVisible(front) &&
        visit(front)) {
      return;
    }
  }
}

}  // namespace

Application::~Application() {
  if (window_) DestroyWindow(window_);
}

void Application::SetTitle(std::string title) {
  title_ = std::move(title);
  if (window_) SetWindowTitle(window_, title_);
}

HWND Application::Window() {
  if (window_) return window_;
  RegisterWindowClass(kApplicationClass, WindowProc, nullptr, 0, icon_);
  // Shown but without size, like the window a taskbar button stands for.
  window_ = CreateUnicodeWindow(0, kApplicationClass, title_,
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr);
  if (!hidden_) ShowWindow(window_, SW_SHOWNOACTIVATE);
  return window_;
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    // Activating the application means activating its front window: the
    // topmost one of its own that can take the keyboard. (The system's last
    // active popup is by now the application window itself.)
    bool activated = false;
    VisitOwnedWindows(window, [&](HWND front) {
      if (!IsWindowEnabled(front)) return false;
      SetActiveWindow(front);
      return activated = true;
    });
    if (activated) return 0;
  }
  if (message == WM_DEVICECHANGE) {
    // Media announcements are meant for top-level windows; the ones this
    // window owns (a question waiting for a disc) hear of them from here too.
    VisitOwnedWindows(window, [&](HWND owned) {
      SendMessageW(owned, message, wParam, lParam);
      return false;
    });
  }
  if (message == WM_CLOSE) {
    // Closing the taskbar button closes the application's front window,
    // which decides what a close means (a question cancels; the main window
    // holds a close while a program runs).
    HWND front = nullptr;
    VisitOwnedWindows(window, [&](HWND owned) {
      if (!IsWindowEnabled(owned)) return false;
      front = owned;
      return true;
    });
    if (front) {
      SendMessageW(front, WM_CLOSE, 0, 0);
    } else {
      PostQuitMessage(0);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool Application::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (IsKeyMessage(msg.message) && msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root && SendMessageW(root, kPreTranslateKey, 0, reinterpret_cast<LPARAM>(&msg))) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void Application::HandleMessage() {
  if (!ProcessMessage() && !terminated_) WaitMessage();
}

void Application::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void Application::Run() {
  while (!terminated_) HandleMessage();
}

void Application::ShowError(const std::string& message) const {
  const std::string text = wording_ ? wording_(message) : message;
  ShowMessage(text, MB_OK | MB_ICONERROR);
}

void Application::ShowMessage(const std::string& text, UINT flags) const {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(title_).c_str(), flags | MB_TASKMODAL | messageReading_);
}

}  // namespace launcher
