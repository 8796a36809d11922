#include "windows/MessageWindows.h"

#include <algorithm>
#include <optional>

#include "core/Config.h"
#include "windows/system/SystemQueries.h"
#include "windows/system/Waiting.h"

namespace launcher {
namespace {

// The question shown until the user answers it, or until the awaited file
// is there.
Answer Asked(TMessageForm& form, const AwaitedFile& awaited, int yes, bool everySecond) {
  std::optional<SelfAnswer> selfAnswer;
  if (!awaited.path.empty()) {
    selfAnswer = SelfAnswer{[awaited] { return IsAwaitedFilePresent(awaited); }, everySecond, yes};
  }
  if (form.ShowModal(selfAnswer ? &*selfAnswer : nullptr) != yes) return Answer::kNo;
  return form.AnsweredItself() ? Answer::kYesFileArrived : Answer::kYes;
}

}  // namespace

MessageWindows::MessageWindows(Application& application, HWND owner)
    // The four windows as designed: class, first title, the text's place,
    // whether it wraps, and the buttons in tab order.
    : Info(application, owner,
           {"TDialogInfoForm", "DialogInfoForm", 3, 80, 444, 193, false, {{"OK", 188, IDOK}}}),
      OKCancel(application, owner,
               {"TDialogOKCancelForm", "DialogOKCancelForm", 3, 70, 444, 193, false,
                {{"OK", 151, IDOK}, {"Cancel", 227, IDCANCEL}}}),
      RetryCancel(application, owner,
                  {"TDialogRetryCancelForm", "DialogRetryCancelForm", 3, 80, 444, 193, false,
                   {{"Retry", 151, IDRETRY}, {"Cancel", 227, IDCANCEL}}}),
      Delay(application, owner, {"TDialogDelayForm", "DialogDelayForm", 3, 80, 444, 222, true, {}}) {
  // The Retry/Cancel window takes the character set of the system's code
  // page when it is made; the others wait for start-up's.
  RetryCancel.SetMessageScript({static_cast<BYTE>(GetACP() == 932 ? SHIFTJIS_CHARSET : DEFAULT_CHARSET), false, false});
}

void MessageWindows::ShowInfoDialog(const std::string& title, const std::string& text) {
  Info.Prepare(title, text);
  Info.ShowModal();
}

Answer MessageWindows::ShowOKCancelDialog(const std::string& title, const std::string& text,
                                          const AwaitedFile& awaited) {
  OKCancel.Prepare(title, text);
  // Disc 1 may hold a file of the same name: only new media answers OK.
  return Asked(OKCancel, awaited, IDOK, false);
}

Answer MessageWindows::ShowRetryCancelDialog(const std::string& title, const std::string& text,
                                             const AwaitedFile& awaited) {
  RetryCancel.Prepare(title, text);
  return Asked(RetryCancel, awaited, IDRETRY, true);
}

void MessageWindows::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  ShowNotice(title, text);
  // A negative or absurd count must not turn into an endless wait.
  WaitResponsively(nullptr, static_cast<DWORD>(std::clamp(seconds, 0, 24 * 60 * 60)) * 1000);
  HideNotice();
}

void MessageWindows::ShowNotice(const std::string& title, const std::string& text) {
  Delay.Prepare(title, text);
  Delay.ShowWithoutModality();
  UpdateWindow(Delay.Handle());
}

void MessageWindows::SetMessageScript(const DiscScript& script) {
  Info.SetMessageScript(script);
  OKCancel.SetMessageScript(script);
  RetryCancel.SetMessageScript(script);
  Delay.SetMessageScript(script);
}

void MessageWindows::SetColours(Palette palette) {
  for (TMessageForm* form : {&Info, &OKCancel, &RetryCancel, &Delay}) form->SetColours(palette);
}


}  // namespace launcher
