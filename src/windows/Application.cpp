#include "windows/Application.h"

#include "core/Texts.h"

namespace launcher {
namespace {

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

bool Application::ProcessMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (IsKeyMessage(msg.message) && msg.hwnd) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root && SendMessageA(root, kPreTranslateKey, 0, reinterpret_cast<LPARAM>(&msg))) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
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
  MessageBoxA(nullptr, WithFinalFullStop(message).c_str(), title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace launcher
