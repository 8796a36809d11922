#include "windows/DialogRetryCancel.h"

#include "core/Config.h"

namespace launcher {

TDialogRetryCancelForm::TDialogRetryCancelForm(Application& application, HWND owner)
    : TMessageForm(application, owner,
                   {"TDialogRetryCancelForm",
                    "DialogRetryCancelForm",
                    3, 80, 444, 193,
                    false,
                    {{"Retry", 151, IDRETRY}, {"Cancel", 227, IDCANCEL}}}) {
  SetMessageCharset(CharsetFor(PrimaryLanguage(static_cast<uint32_t>(GetThreadLocale()))));
}

}  // namespace launcher
