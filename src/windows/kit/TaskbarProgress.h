// The progress a window's taskbar button shows (Windows 7 and later): made
// at run time where the taskbar offers it, and nothing where it does not.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <memory>

#include "windows/system/Handles.h"

namespace launcher {

class TaskbarProgress {
 public:
  explicit TaskbarProgress(HWND window) : window_(window) {}
  // Step `done` of `total`, in the error state when `failed`.
  void Show(int done, int total, bool failed);
  // No progress shown.
  void End();

 private:
  ITaskbarList3* List();

  HWND window_;
  std::unique_ptr<ComApartment> apartment_;
  ComPtr<ITaskbarList3> list_;
  bool asked_ = false;
};

}  // namespace launcher
