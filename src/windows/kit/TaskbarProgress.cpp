#include "windows/kit/TaskbarProgress.h"

namespace launcher {

ITaskbarList3* TaskbarProgress::List() {
  if (!asked_) {
    asked_ = true;
    apartment_ = std::make_unique<ComApartment>();
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(list_.Out()))) ||
        (list_.Get() && FAILED(list_->HrInit()))) {
      list_.Reset();
    }
  }
  return list_.Get();
}

void TaskbarProgress::Show(int done, int total, bool failed) {
  ITaskbarList3* list = List();
  if (!list || total <= 0) return;
  list->SetProgressState(window_, failed ? TBPF_ERROR : TBPF_NORMAL);
  list->SetProgressValue(window_, static_cast<ULONGLONG>(done), static_cast<ULONGLONG>(total));
}

void TaskbarProgress::End() {
  if (ITaskbarList3* list = asked_ ? list_.Get() : nullptr) list->SetProgressState(window_, TBPF_NOPROGRESS);
}

}  // namespace launcher
