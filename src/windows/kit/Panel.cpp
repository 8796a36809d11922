#include "windows/kit/Panel.h"

#include "windows/kit/WindowClass.h"

#include <commctrl.h>

#include <algorithm>

namespace launcher {
namespace {

constexpr char kPanelClass[] = "TPanel";

bool Intersects(const RECT& a, const RECT& b) {
  RECT overlap;
  return IntersectRect(&overlap, &a, &b) != 0;
}

// A panel point in the control's own physical coordinates.
POINT Within(const TControl& control, int x, int y) {
  const RECT bounds = control.BoundsRect();
  return {x - bounds.left, y - bounds.top};
}

}  // namespace

TPanel::TPanel(Application& application, HWND parent, int left, int top, int width, int height)
    : application_(application), layout_{left, top, left + width, top + height} {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  RegisterWindowClass(kPanelClass, BoundWindowProc<TPanel>, nullptr, CS_DBLCLKS);
  CreateUnicodeWindow(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                      left, top, width, height, parent, this);
  accessibility_ = std::make_unique<PanelAccessibility>(*this);
  tooltips_ = std::make_unique<PanelTooltips>(window_);
}

TPanel::~TPanel() {
  accessibility_.reset();
  for (TControl* control : std::vector<TControl*>(controls_)) control->SetParent(nullptr);
  tooltips_.reset();
  if (window_) DestroyWindow(window_);
}

void TPanel::Mirror() {
  launcher::Mirror(window_);
  launcher::Mirror(tooltips_->Handle());
  PlaceScaled(window_, layout_, dpi_);
}

void TPanel::BringToFront() {
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void TPanel::Hide() { ShowWindow(window_, SW_HIDE); }

void TPanel::FocusControl(TControl* control) {
  TControl* previous = focused_;
  focused_ = control;
  if (previous && previous != control) previous->Invalidate();
  if (GetFocus() == window_) {
    FocusedChanged();
  } else if (GetActiveWindow() == GetAncestor(window_, GA_ROOT)) {
    SetFocus(window_);  // its WM_SETFOCUS announces the control
  }
}

void TPanel::FocusedChanged() {
  if (!focused_) return;
  focused_->Invalidate();
  if (GetFocus() == window_ && accessibility_) accessibility_->NotifyFocus(focused_);
}

bool TPanel::ShowsFocusCue(const TControl* control) const {
  // In high contrast the cue is always shown.
  return control && control == focused_ && GetFocus() == window_ &&
         (palette_ == Palette::kSystem ||
          !(SendMessageW(GetAncestor(window_, GA_ROOT), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS));
}

void TPanel::SetColours(Palette palette) {
  if (palette == palette_) return;
  palette_ = palette;
  InvalidateRect(window_, nullptr, FALSE);
}

void TPanel::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  PlaceScaled(window_, layout_, dpi);
  for (TControl* control : controls_) {
    control->ParentOrScaleChanged();
    tooltips_->Update(control);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

void TPanel::FocusCueChanged() const {
  if (focused_) focused_->Invalidate();
}

void TPanel::NotifyAccessible(const TControl* control, DWORD event) const {
  if (accessibility_) accessibility_->Notify(control, event);
}

void TPanel::Add(TControl* control) {
  controls_.push_back(control);
  tooltips_->Add(control);
}

void TPanel::Remove(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (hovered_ == control) hovered_ = nullptr;
  if (clicked_ == control) clicked_ = nullptr;
  if (focused_ == control) focused_ = nullptr;
  if (captured_ == control) {
    captured_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
  }
  tooltips_->Remove(control);
}

void TPanel::UpdateTooltip(TControl* control) { tooltips_->Update(control); }

void TPanel::InvalidateArea(const RECT& area) { InvalidateRect(window_, &area, FALSE); }

void TPanel::PaintAreaNow(const RECT& area) {
  RECT client, visible;
  GetClientRect(window_, &client);
  if (!IntersectRect(&visible, &client, &area)) return;
  WindowDc dc(window_);
  PaintTo(dc.Get(), visible);
  ValidateRect(window_, &visible);
}

void TPanel::PaintTo(HDC dc, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const PaintBuffer buffer(window_, dc, area);
  RECT local{0, 0, width, height};
  Brush background(CreateSolidBrush(BackgroundColour()));
  FillRect(buffer.Get(), &local, background.Get());
  for (TControl* control : controls_) {
    const RECT bounds = control->BoundsRect();
    if (!control->Visible() || !Intersects(bounds, area)) continue;
    const int saved = SaveDC(buffer.Get());
    SetViewportOrgEx(buffer.Get(), bounds.left - area.left, bounds.top - area.top, nullptr);
    IntersectClipRect(buffer.Get(), 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->Paint(buffer.Get());
    RestoreDC(buffer.Get(), saved);
  }
  buffer.Show();
}

TControl* TPanel::ControlAt(int x, int y, bool enabledOnly) const {
  const POINT point{x, y};
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    const RECT bounds = control->BoundsRect();
    if (control->Visible() && (!enabledOnly || control->Enabled()) && PtInRect(&bounds, point)) return control;
  }
  return nullptr;
}

void TPanel::SetHovered(TControl* control) {
  if (control == hovered_) return;
  TControl* left = hovered_;
  hovered_ = control;
  if (left) left->MouseLeave();
  if (control) control->MouseEnter();
}

void TPanel::OnMouseMove(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != 0;
  }
  SetHovered(ControlAt(x, y, false));
  if (TControl* target = captured_ ? captured_ : ControlAt(x, y, true)) {
    const POINT at = Within(*target, x, y);
    target->MouseMove(at.x, at.y);
  }
}

void TPanel::OnButtonDown(MouseButton button, int x, int y) {
  TControl* target = ControlAt(x, y, true);
  if (!target) return;
  if (button == MouseButton::kLeft) {
    SetCapture(window_);
    captured_ = target;
    clicked_ = target;
  }
  const POINT at = Within(*target, x, y);
  target->MouseDown(button, at.x, at.y);
}

void TPanel::OnButtonUp(MouseButton button, int x, int y) {
  TControl* target = ControlAt(x, y, true);
  if (button == MouseButton::kLeft) {
    if (captured_) target = captured_;
    captured_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
  }
  if (!target) return;
  if (button == MouseButton::kLeft && clicked_ == target) {
    clicked_ = nullptr;
    const RECT bounds = target->BoundsRect();
    // The click comes before the release handling; what it starts may take
    // the control away, so the control is looked for again afterwards.
    if (PtInRect(&bounds, POINT{x, y})) target->Click();
    if (std::find(controls_.begin(), controls_.end(), target) == controls_.end()) return;
  }
  const POINT at = Within(*target, x, y);
  target->MouseUp(button, at.x, at.y);
}

LRESULT TPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(window_);
      PaintTo(paint.Get(), paint.Area());
      return 0;
    }
    case WM_MOUSEMOVE:
      OnMouseMove(x, y);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (!captured_) SetHovered(nullptr);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(MouseButton::kLeft, x, y);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(MouseButton::kRight, x, y);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(MouseButton::kMiddle, x, y);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(MouseButton::kLeft, x, y);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(MouseButton::kRight, x, y);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(MouseButton::kMiddle, x, y);
      return 0;
    case WM_CAPTURECHANGED:
      // Our own release clears captured_ first; anything else abandons the press.
      if (TControl* lost = captured_) {
        captured_ = nullptr;
        clicked_ = nullptr;
        lost->CaptureLost();
      }
      return 0;
    case WM_SETFOCUS:
      FocusedChanged();
      return 0;
    case WM_KILLFOCUS:
      if (focused_) focused_->Invalidate();
      return 0;
    case WM_GETOBJECT:
      if (const LRESULT answer = accessibility_ ? accessibility_->Answer(wParam, lParam) : 0) return answer;
      break;
    case kAccessibleAction: {
      // The control is clicked only if it is still there to be clicked.
      auto* control = reinterpret_cast<TControl*>(lParam);
      if (std::find(controls_.begin(), controls_.end(), control) != controls_.end() && control->Visible() &&
          control->Enabled()) {
        control->Click();
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return SendMessageW(item->hwndItem, kReflectedDrawItem, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace launcher
