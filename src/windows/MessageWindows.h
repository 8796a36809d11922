// The launcher's four message windows, one of each, and the four ways of
// showing them. The main window owns one MessageWindows.
#pragma once

#include <string>

#include "core/LauncherHost.h"

#include "windows/MessageForm.h"

namespace launcher {

class MessageWindows {
 public:
  // Creates them hidden, in the order information, OK/Cancel, Retry/Cancel,
  // timed notice.
  MessageWindows(Application& application, HWND owner);

  void ShowInfoDialog(const std::string& title, const std::string& text);
  // With an awaited file, the questions answer themselves once it is there:
  // OK after new media has arrived, Retry as soon as it is found.
  Answer ShowOKCancelDialog(const std::string& title, const std::string& text, const AwaitedFile& awaited = {});
  Answer ShowRetryCancelDialog(const std::string& title, const std::string& text, const AwaitedFile& awaited = {});
  // Shows the notice, lets it paint, waits the given seconds (answering
  // other programs, handling no input), hides it.
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds);
  // The same notice for as long as the caller waits.
  void ShowNotice(const std::string& title, const std::string& text);
  void HideNotice() { Delay.Hide(); }

  void SetMessageScript(const DiscScript& script);
  void SetColours(Palette palette);

  TMessageForm Info;
  TMessageForm OKCancel;
  TMessageForm RetryCancel;
  TMessageForm Delay;  // the timed notice: no buttons, long lines wrapped
};

}  // namespace launcher
