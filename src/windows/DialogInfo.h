// The information window: a message with an OK button.
#pragma once

#include "windows/kit/MessageForm.h"

namespace launcher {

class TDialogInfoForm : public TMessageForm {
 public:
  TDialogInfoForm(Application& application, HWND owner);
};

}  // namespace launcher
