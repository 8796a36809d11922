// InstallChecks: a list of rows 13 logical pixels high, each with a check
// box that the mouse (on the box) or the space key toggles. Screen readers
// read each row's text, whether it is checked, and its description.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "windows/kit/Accessible.h"
#include "windows/kit/Application.h"
#include "windows/kit/Dpi.h"

namespace launcher {

class TCheckListBox : private AccessibleItems {
 public:
  static constexpr int kItemHeight = 13;
  static constexpr int kCheckWidth = 13;

  TCheckListBox(Application& application, HWND parent, int left, int top, int width, int height, HFONT font);
  ~TCheckListBox();
  TCheckListBox(const TCheckListBox&) = delete;
  TCheckListBox& operator=(const TCheckListBox&) = delete;

  HWND Handle() const { return window_; }
  void Clear();
  void AddItem(const std::string& text, bool checked, const std::string& description = {});
  int Count() const;
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);
  int ItemIndex() const;  // the selected row, -1 for none
  void SetItemIndex(int row);
  // The row at a client point; -1 below the last row or outside.
  int ItemAtPos(int x, int y) const;
  void SetFont(HFONT font);
  // Lays it out right to left, within a mirrored parent: the boxes on the
  // right of their rows, the scroll bar on the left.
  void Mirror();
  // The scale its place in the parent, its rows and its boxes are drawn at.
  void SetDpi(int dpi);

  // After the user toggled a row's box.
  std::function<void(int row)> OnClickCheck;
  // Every pointer move over the list, in its client coordinates.
  std::function<void(int x, int y)> OnMouseMove;

  // The owner-draw messages the parent passes on.
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundSubclassProc(HWND, UINT, WPARAM, LPARAM);
  template <typename T>
  friend void BindSubclass(T&);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Toggle(int row);
  std::string ItemText(int row) const;

  int AccessibleItemCount() const override { return Count(); }
  AccessibleItem AccessibleItemAt(int index) const override;
  int AccessibleFocus() const override { return ItemIndex(); }
  int AccessibleItemAtPoint(POINT point) const override { return ItemAtPos(point.x, point.y); }
  void AccessibleDefaultAction(int index) override;
  void AccessibleTakeFocus(int index) override;

  int Scaled(int logical) const { return launcher::Scaled(logical, dpi_); }

  Application& application_;
  HWND window_ = nullptr;
  RECT layout_;
  int dpi_ = kDesignDpi;
  WNDPROC baseProc_ = nullptr;  // the list box's own procedure
  std::vector<std::string> descriptions_;  // by row, line breaks as drawn
  std::unique_ptr<AccessibleWindow> accessible_;
};

}  // namespace launcher
