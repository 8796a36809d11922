#include "windows/DialogInfo.h"

namespace launcher {

TDialogInfoForm::TDialogInfoForm(Application& application, HWND owner)
    : TMessageForm(application, owner,
                   {"TDialogInfoForm", "DialogInfoForm", 3, 80, 444, 193, false, {{"OK", 188, IDOK}}}) {}

}  // namespace launcher
