#include "windows/DialogOkCancel.h"

namespace launcher {

TDialogOKCancelForm::TDialogOKCancelForm(Application& application, HWND owner)
    : TMessageForm(application, owner,
                   {"TDialogOKCancelForm",
                    "DialogOKCancelForm",
                    3, 70, 444, 193,
                    false,
                    {{"OK", 151, IDOK}, {"Cancel", 227, IDCANCEL}}}) {}

}  // namespace launcher
