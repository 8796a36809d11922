// InstallChecks: a list of rows 13 pixels high, each with a check box that
// the mouse (on the box) or the space key toggles.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "windows/kit/Application.h"

namespace launcher {

class TCheckListBox {
 public:
  static constexpr int kItemHeight = 13;
  static constexpr int kCheckWidth = 13;

  TCheckListBox(Application& application, HWND parent, int left, int top, int width, int height, HFONT font);
  ~TCheckListBox();
  TCheckListBox(const TCheckListBox&) = delete;
  TCheckListBox& operator=(const TCheckListBox&) = delete;

  HWND Handle() const { return window_; }
  void Clear();
  void AddItem(const std::string& text, bool checked);
  int Count() const;
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);
  int ItemIndex() const;  // the selected row, -1 for none
  void SetItemIndex(int row);
  // The row at a client point; -1 below the last row or outside.
  int ItemAtPos(int x, int y) const;
  void SetFont(HFONT font);

  // After the user toggled the selected row's box.
  std::function<void()> OnClickCheck;
  // Every pointer move over the list, in its client coordinates.
  std::function<void(int x, int y)> OnMouseMove;

  // The owner-draw messages the parent passes on.
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Toggle(int row);
  std::string ItemText(int row) const;

  Application& application_;
  HWND window_ = nullptr;
  WNDPROC listProc_ = nullptr;
};

}  // namespace launcher
