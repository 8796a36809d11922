// The question with OK and Cancel (the insert-disc question).
#pragma once

#include "windows/kit/MessageForm.h"

namespace launcher {

class TDialogOKCancelForm : public TMessageForm {
 public:
  TDialogOKCancelForm(Application& application, HWND owner);
};

}  // namespace launcher
