// The timed notice: no buttons, long lines wrapped.
#pragma once

#include "windows/kit/MessageForm.h"

namespace launcher {

class TDialogDelayForm : public TMessageForm {
 public:
  TDialogDelayForm(Application& application, HWND owner);
};

}  // namespace launcher
