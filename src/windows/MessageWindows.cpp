#include "windows/MessageWindows.h"

#include <algorithm>

namespace launcher {

MessageWindows::MessageWindows(Application& application, HWND owner)
    : Info(application, owner),
      OKCancel(application, owner),
      RetryCancel(application, owner),
      Delay(application, owner),
      application_(application) {}

void MessageWindows::ShowInfoDialog(const std::string& title, const std::string& text) {
  Info.Prepare(title, text);
  Info.ShowModal();
}

bool MessageWindows::ShowOKCancelDialog(const std::string& title, const std::string& text) {
  OKCancel.Prepare(title, text);
  return OKCancel.ShowModal() == IDOK;
}

bool MessageWindows::ShowRetryCancelDialog(const std::string& title, const std::string& text) {
  RetryCancel.Prepare(title, text);
  return RetryCancel.ShowModal() == IDRETRY;
}

void MessageWindows::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  Delay.Prepare(title, text);
  Delay.ShowWithoutModality();
  application_.ProcessMessages();
  // A negative or absurd count must not turn into an endless wait.
  Sleep(static_cast<DWORD>(std::clamp(seconds, 0, 24 * 60 * 60)) * 1000);
  Delay.Hide();
}

void MessageWindows::SetMessageCharset(BYTE charset) {
  Info.SetMessageCharset(charset);
  OKCancel.SetMessageCharset(charset);
  RetryCancel.SetMessageCharset(charset);
  Delay.SetMessageCharset(charset);
}

}  // namespace launcher
