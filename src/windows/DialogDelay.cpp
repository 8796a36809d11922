#include "windows/DialogDelay.h"

namespace launcher {

TDialogDelayForm::TDialogDelayForm(Application& application, HWND owner)
    : TMessageForm(application, owner, {"TDialogDelayForm", "DialogDelayForm", 3, 80, 444, 222, true, {}}) {}

}  // namespace launcher
