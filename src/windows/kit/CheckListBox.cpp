#include "windows/kit/CheckListBox.h"

#include <windowsx.h>

#include "windows/kit/Panel.h"
#include "windows/kit/WindowClass.h"
#include "windows/system/Win32Text.h"

namespace launcher {

TCheckListBox::TCheckListBox(Application& application, HWND parent, int left, int top, int width, int height,
                             HFONT font)
    : application_(application), layout_{left, top, left + width, top + height} {
  window_ = CreateUnicodeWindow(0, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                left, top, width, height, parent);
  BindSubclass(*this);
  ListBox_SetItemHeight(window_, 0, kItemHeight);
  SetFont(font);
  accessible_ = std::make_unique<AccessibleWindow>(window_, static_cast<AccessibleItems&>(*this), ROLE_SYSTEM_LIST);
}

TCheckListBox::~TCheckListBox() {
  accessible_.reset();
  if (window_) DestroyWindow(window_);
}

void TCheckListBox::SetFont(HFONT font) {
  SetWindowFont(window_, font, TRUE);
  ListBox_SetItemHeight(window_, 0, Scaled(kItemHeight));
}

void TCheckListBox::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  PlaceScaled(window_, layout_, dpi);
  ListBox_SetItemHeight(window_, 0, Scaled(kItemHeight));
  InvalidateRect(window_, nullptr, TRUE);
}

void TCheckListBox::Mirror() {
  launcher::Mirror(window_);
  PlaceScaled(window_, layout_, dpi_);
}

void TCheckListBox::Clear() {
  ListBox_ResetContent(window_);
  descriptions_.clear();
}

void TCheckListBox::AddItem(const std::string& text, bool checked, const std::string& description) {
  const int row =
      static_cast<int>(SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str())));
  ListBox_SetItemData(window_, row, checked ? 1 : 0);
  descriptions_.resize(static_cast<size_t>(row) + 1);
  descriptions_[static_cast<size_t>(row)] = description;
}

int TCheckListBox::Count() const { return ListBox_GetCount(window_); }

bool TCheckListBox::Checked(int row) const { return ListBox_GetItemData(window_, row) == 1; }

void TCheckListBox::SetChecked(int row, bool checked) {
  ListBox_SetItemData(window_, row, checked ? 1 : 0);
  RECT area;
  if (ListBox_GetItemRect(window_, row, &area) != LB_ERR) InvalidateRect(window_, &area, FALSE);
}

std::string TCheckListBox::ItemText(int row) const {
  const auto length = static_cast<int>(SendMessageW(window_, LB_GETTEXTLEN, row, 0));
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = static_cast<int>(SendMessageW(window_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
  return Utf8Of(text);
}

int TCheckListBox::ItemIndex() const { return ListBox_GetCurSel(window_); }

void TCheckListBox::SetItemIndex(int row) { ListBox_SetCurSel(window_, row); }

int TCheckListBox::ItemAtPos(int x, int y) const {
  RECT client;
  GetClientRect(window_, &client);
  if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return -1;
  const LRESULT hit = SendMessageW(window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
  return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

void TCheckListBox::Toggle(int row) {
  SetChecked(row, !Checked(row));
  accessible_->Notify(EVENT_OBJECT_STATECHANGE, row);
  if (OnClickCheck) OnClickCheck(row);
}

AccessibleItem TCheckListBox::AccessibleItemAt(int index) const {
  AccessibleItem item;
  item.role = ROLE_SYSTEM_LISTITEM;
  item.name = ItemText(index);
  if (static_cast<size_t>(index) < descriptions_.size()) item.description = descriptions_[static_cast<size_t>(index)];
  const bool current = index == ItemIndex();
  item.state = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | (Checked(index) ? STATE_SYSTEM_CHECKED : 0) |
               (current ? STATE_SYSTEM_SELECTED : 0) | (current && GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
  RECT client;
  GetClientRect(window_, &client);
  if (ListBox_GetItemRect(window_, index, &item.bounds) == LB_ERR ||
      !IntersectRect(&client, &client, &item.bounds)) {
    item.state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;  // scrolled out of the list
  }
  item.defaultAction = Checked(index) ? "Uncheck" : "Check";
  return item;
}

void TCheckListBox::AccessibleDefaultAction(int index) { PostMessageW(window_, kAccessibleAction, 0, index); }

void TCheckListBox::AccessibleTakeFocus(int index) {
  SetFocus(window_);
  SetItemIndex(index);
}

void TCheckListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const int row = static_cast<int>(item.itemID);
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  RECT box{area.left, area.top, area.left + Scaled(kCheckWidth), area.top + Scaled(kCheckWidth)};
  DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (Checked(row) ? DFCS_CHECKED : 0));
  RECT textArea{box.right + Scaled(2), area.top, area.right, area.bottom};
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &textArea, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const std::string text = ItemText(row);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT textRect{textArea.left + Scaled(2), textArea.top, textArea.right, textArea.bottom};
  DrawLauncherText(dc, text, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &textArea);
}

LRESULT TCheckListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC list = baseProc_;
  const HWND window = window_;
  switch (message) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int x = GET_X_LPARAM(lParam), row = ItemAtPos(x, GET_Y_LPARAM(lParam));
      const LRESULT result = CallWindowProcW(list, window, message, wParam, lParam);
      if (row >= 0 && x < Scaled(kCheckWidth)) Toggle(row);
      return result;
    }
    case WM_CHAR:
      if (wParam == ' ') {
        if (ItemIndex() >= 0) Toggle(ItemIndex());
        return 0;
      }
      break;
    case WM_GETOBJECT:
      if (const LRESULT answer = accessible_ ? accessible_->Answer(wParam, lParam) : 0) return answer;
      break;
    case kAccessibleAction:
      if (lParam >= 0 && lParam < Count()) Toggle(static_cast<int>(lParam));
      return 0;
    case kReflectedDrawItem:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default:
      break;
  }
  return CallWindowProcW(list, window, message, wParam, lParam);
}

}  // namespace launcher
