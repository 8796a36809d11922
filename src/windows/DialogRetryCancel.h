// The prompt with Retry and Cancel (the missing-file question). It chooses
// its character set from the system's language by itself.
#pragma once

#include "windows/kit/MessageForm.h"

namespace launcher {

class TDialogRetryCancelForm : public TMessageForm {
 public:
  TDialogRetryCancelForm(Application& application, HWND owner);
};

}  // namespace launcher
