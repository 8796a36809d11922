#include "windows/system/Waiting.h"

#include <algorithm>

namespace launcher {
namespace {

// How long a screen reader's call or a close may wait for the launcher.
constexpr DWORD kSliceMs = 100;

// The window through which COM delivers calls from other apartments and
// processes to this thread's apartment; null until the apartment has one.
HWND ApartmentWindow() {
  const DWORD thread = GetCurrentThreadId();
  for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, "OleMainThreadWndClass", nullptr));) {
    if (GetWindowThreadProcessId(window, nullptr) == thread) return window;
  }
  return nullptr;
}

// Painting, a close asked for, and the apartment's calls; every other
// posted message waits for the message loop, and sent messages are answered
// by PeekMessage itself.
void DispatchWhatMayRunDuringAWait() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
  while (PeekMessageW(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE)) DispatchMessageW(&msg);
  if (HWND apartment = ApartmentWindow()) {
    while (PeekMessageW(&msg, apartment, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

bool IsClick(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_NCXBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK: case WM_NCXBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

void AskToClose(DroppedInput& dropped, HWND window) {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root && std::find(dropped.closeAskedOf.begin(), dropped.closeAskedOf.end(), root) == dropped.closeAskedOf.end()) {
    dropped.closeAskedOf.push_back(root);
  }
}

}  // namespace

bool WaitResponsively(HANDLE handle, DWORD timeoutMs) {
  // Tick differences stay right across the counter's wrap (GetTickCount64
  // is missing from Windows XP).
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD passed = GetTickCount() - start;
    if (timeoutMs != INFINITE && passed >= timeoutMs) return false;
    const DWORD left = timeoutMs == INFINITE ? INFINITE : timeoutMs - passed;
    // What is pending already is handled first. What stays in the queue
    // (input, posted messages for later) is then marked as seen: the wait
    // wakes only for what arrives after, or a message left behind would
    // wake it again at once, and under Wine keep it from ever painting. It
    // wakes for posted messages, so that a screen reader's call (posted to
    // the apartment) or a close is handled at once; clicks and keys are
    // input, not posted messages, and do not wake it. The slice is a
    // safety net for a system that would not wake.
    DispatchWhatMayRunDuringAWait();
    GetQueueStatus(QS_ALLINPUT);
    const DWORD count = handle ? 1 : 0;
    const DWORD result = MsgWaitForMultipleObjects(count, handle ? &handle : nullptr, FALSE, std::min(left, kSliceMs),
                                                   QS_PAINT | QS_SENDMESSAGE | QS_POSTMESSAGE);
    if (result == WAIT_FAILED) return false;
    if (handle && result == WAIT_OBJECT_0) return true;
  }
}

DroppedInput DropInput() {
  DroppedInput dropped;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
      AskToClose(dropped, msg.hwnd);
    } else {
      dropped.keys += msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    }
  }
  while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) dropped.clicks += IsClick(msg.message);
  while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
    if (msg.message == WM_NCLBUTTONDOWN && msg.wParam == HTCLOSE) {
      AskToClose(dropped, msg.hwnd);
    } else {
      dropped.clicks += IsClick(msg.message);
    }
  }
  return dropped;
}

}  // namespace launcher
