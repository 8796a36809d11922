// The launcher's four message windows, one of each, and the four ways of
// showing them. The main window owns one MessageWindows.
#pragma once

#include <string>

#include "windows/DialogDelay.h"
#include "windows/DialogInfo.h"
#include "windows/DialogOkCancel.h"
#include "windows/DialogRetryCancel.h"

namespace launcher {

class MessageWindows {
 public:
  // Creates them hidden, in the order information, OK/Cancel, Retry/Cancel,
  // timed notice.
  MessageWindows(Application& application, HWND owner);

  void ShowInfoDialog(const std::string& title, const std::string& text);
  bool ShowOKCancelDialog(const std::string& title, const std::string& text);
  bool ShowRetryCancelDialog(const std::string& title, const std::string& text);
  // Shows the notice, lets it paint, blocks for the given seconds, hides it.
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds);

  void SetMessageCharset(BYTE charset);

  TDialogInfoForm Info;
  TDialogOKCancelForm OKCancel;
  TDialogRetryCancelForm RetryCancel;
  TDialogDelayForm Delay;

 private:
  Application& application_;
};

}  // namespace launcher
