#include "windows/MessageForm.h"

#include <dbt.h>

#include <algorithm>

#include "core/Texts.h"
#include "windows/TopLevel.h"
#include "windows/kit/AutoPlay.h"
#include "windows/kit/WindowClass.h"
#include "windows/resources/resource.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

constexpr char kMessageTextClass[] = "TMessageText";
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kButtonTop = 277, kButtonWidth = 73, kButtonHeight = 23;
constexpr UINT_PTR kSelfAnswerTimer = 1;
constexpr UINT kSelfAnswerPeriodMs = 1000;
constexpr DWORD kArrivalWatchMs = 10000;

RECT ButtonPlace(const MessageButton& button) {
  return {button.left, kButtonTop, button.left + kButtonWidth, kButtonTop + kButtonHeight};
}

// The system announces media to top-level windows: a volume's arrival.
bool IsVolumeArrival(WPARAM wParam, LPARAM lParam) {
  if (wParam != DBT_DEVICEARRIVAL || !lParam) return false;
  return reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam)->dbch_devicetype == DBT_DEVTYP_VOLUME;
}

}  // namespace

TMessageForm::TMessageForm(Application& application, HWND owner, MessageLayout layout)
    : application_(application),
      layout_(std::move(layout)) {
  RegisterWindowClass(layout_.className, BoundWindowProc<TMessageForm>, GetSysColorBrush(COLOR_BTNFACE), 0,
                      LauncherIcon());
  RegisterWindowClass(kMessageTextClass, BoundWindowProc<TextWindow>);
  // One picture for all four windows, decoded when first shown.
  static const SharedPicture artwork = Picture::FromResource(IDR_DIALOG_ART);
  artwork_ = artwork;
  // Made at the design's scale; it takes its monitor's when it is shown.
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
  CreateUnicodeWindow(kFormExStyle, layout_.className, layout_.designTitle, kFormStyle, 0, 0, frame.right - frame.left,
                      frame.bottom - frame.top, owner, this);
  keptFocus_ = KeptFocus(window_);
  const RECT text = TextPlace();
  CreateUnicodeWindow(0, kMessageTextClass, "", WS_CHILD | WS_VISIBLE, text.left, text.top, text.right - text.left,
                      text.bottom - text.top, window_, &text_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMessageTextId)));
  messageAccessible_ = std::make_unique<AccessibleWindow>(text_.window_, static_cast<AccessibleItems&>(*this),
                                                          ROLE_SYSTEM_STATICTEXT);
  for (const MessageButton& button : layout_.buttons) {
    const RECT place = ButtonPlace(button);
    buttons_.push_back(CreateUnicodeWindow(0, "BUTTON", button.caption,
                                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, place.left, place.top,
                                           place.right - place.left, place.bottom - place.top, window_, nullptr,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.modalResult))));
  }
  MakeFonts();
}

RECT TMessageForm::TextPlace() const {
  return {layout_.textLeft, layout_.textTop, layout_.textLeft + layout_.textWidth,
          layout_.textTop + layout_.textHeight};
}

void TMessageForm::MakeFonts() {
  messageFont_ = CreateSansSerif(-13, true, script_, dpi_);
  buttonFont_ = CreateSansSerif(-11, false, script_, dpi_);
  for (HWND button : buttons_) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.Get()), TRUE);
  InvalidateRect(text_.window_, nullptr, FALSE);
}

void TMessageForm::ApplyDpi(int dpi, const RECT* suggestedFrame) {
  dpi_ = dpi;
  MakeFonts();
  FitFrame(window_, Scaled(kClientWidth), Scaled(kClientHeight), dpi_, suggestedFrame);
  PlaceScaled(text_.window_, TextPlace(), dpi_);
  for (size_t k = 0; k < buttons_.size(); ++k) PlaceScaled(buttons_[k], ButtonPlace(layout_.buttons[k]), dpi_);
  InvalidateRect(window_, nullptr, TRUE);
}

void TMessageForm::SetDpi(int dpi) {
  if (dpi != dpi_) ApplyDpi(dpi, nullptr);
}

TMessageForm::~TMessageForm() {
  messageAccessible_.reset();
  if (window_) DestroyWindow(window_);
}

void TMessageForm::SetMessageScript(const DiscScript& script) {
  if (script.rightToLeft && !IsMirrored(window_)) {
    Mirror(window_);
    Mirror(text_.window_);
    for (HWND button : buttons_) Mirror(button);
    ApplyDpi(dpi_, nullptr);  // its children placed again, mirrored
  }
  script_ = script;
  MakeFonts();
}

void TMessageForm::Prepare(const std::string& title, const std::string& text) {
  // On the monitor the user sees the launcher on, at that monitor's scale.
  HWND owner = GetWindow(window_, GW_OWNER);
  const MonitorArea monitor = MonitorOf(owner ? owner : window_);
  SetDpi(monitor.dpi);
  PlaceOnScreen(window_, monitor);
  SetWindowTitle(window_, title);
  SetWindowTitle(text_.window_, text);
  InvalidateRect(text_.window_, nullptr, FALSE);
  messageAccessible_->Notify(EVENT_OBJECT_NAMECHANGE, -1);
}

int TMessageForm::ShowModal(const SelfAnswer* selfAnswer) {
  modalResult_ = 0;
  modal_ = true;
  selfAnswer_ = selfAnswer;
  watchingArrival_ = false;
  answeredItself_ = false;
  if (selfAnswer_) SetTimer(window_, kSelfAnswerTimer, kSelfAnswerPeriodMs, nullptr);
  HWND owner = GetWindow(window_, GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  keptFocus_.Restore(FirstButton());
  do {
    application_.HandleMessage();
    if (application_.Terminated()) modalResult_ = IDCANCEL;
  } while (modalResult_ == 0);
  // The owner is enabled before the form hides, so that it is activated
  // rather than some other program's window.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  keptFocus_.KeepCurrent();
  ShowWindow(window_, SW_HIDE);
  if (selfAnswer_) KillTimer(window_, kSelfAnswerTimer);
  selfAnswer_ = nullptr;
  modal_ = false;
  return modalResult_;
}

void TMessageForm::MediaArrived() {
  if (!modal_ || !selfAnswer_) return;
  arrivalWatchStart_ = GetTickCount();
  watchingArrival_ = true;
  TestSelfAnswer();
}

void TMessageForm::TestSelfAnswer() {
  if (!modal_ || !selfAnswer_ || modalResult_ != 0) return;
  // Tick differences stay right across the counter's wrap.
  const bool arrivalWatched = watchingArrival_ && GetTickCount() - arrivalWatchStart_ < kArrivalWatchMs;
  if (!selfAnswer_->everySecond && !arrivalWatched) return;
  if (!selfAnswer_->ready()) return;
  modalResult_ = selfAnswer_->modalResult;
  answeredItself_ = true;
}

HWND TMessageForm::FirstButton() const { return buttons_.empty() ? nullptr : buttons_.front(); }

void TMessageForm::ShowWithoutModality() { ShowWindow(window_, SW_SHOW); }

void TMessageForm::Hide() { ShowWindow(window_, SW_HIDE); }

void TMessageForm::FocusButton(int step) {
  if (buttons_.empty()) return;
  auto current = std::find(buttons_.begin(), buttons_.end(), GetFocus());
  const int count = static_cast<int>(buttons_.size());
  int index = current == buttons_.end() ? 0 : static_cast<int>(current - buttons_.begin()) + step;
  SetFocus(buttons_[static_cast<size_t>((index % count + count) % count)]);
}

bool TMessageForm::PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
  const bool keyDown = msg.message == WM_KEYDOWN;
  switch (msg.wParam) {
    case VK_TAB:
      if (keyDown) FocusButton(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    case VK_RETURN:
      // Enter presses the focused button; there is no default button.
      if (keyDown && std::find(buttons_.begin(), buttons_.end(), msg.hwnd) != buttons_.end()) {
        SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
      }
      return true;
    case VK_ESCAPE:
      return true;  // Escape is bound to nothing
    default:
      return false;
  }
}

void TMessageForm::SetColours(Palette palette) {
  if (palette == colours_) return;
  colours_ = palette;
  InvalidateRect(window_, nullptr, FALSE);
  InvalidateRect(text_.window_, nullptr, FALSE);
}

HBITMAP TMessageForm::Artwork() const { return colours_ == Palette::kDesigned ? artwork_->At(dpi_) : nullptr; }

std::string TMessageForm::MessageTextAsDrawn() const {
  std::wstring raw(static_cast<size_t>(std::max(GetWindowTextLengthW(text_.window_), 0)) + 1, L'\0');
  raw.resize(static_cast<size_t>(std::max(GetWindowTextW(text_.window_, raw.data(), static_cast<int>(raw.size())), 0)));
  return AsDrawnLineBreaks(Utf8Of(raw));
}

void TMessageForm::PaintMessageText() {
  PaintScope paint(text_.window_);
  RECT client;
  GetClientRect(text_.window_, &client);
  const int width = client.right, height = client.bottom;
  // Drawn off screen over the artwork behind the label, then copied. The
  // artwork is never mirrored: behind a mirrored label lies its part at
  // the label's mirrored place.
  const PaintBuffer buffer(text_.window_, paint.Get(), client);
  FillRect(buffer.Get(), &client, GetSysColorBrush(PageColour(colours_)));
  if (HBITMAP artwork = Artwork()) {
    RECT form;
    GetClientRect(window_, &form);
    const int left = IsMirrored(window_) ? form.right - Scaled(layout_.textLeft) - width : Scaled(layout_.textLeft);
    DrawBitmap(buffer.Get(), artwork, 0, 0, width, height, left, Scaled(layout_.textTop));
  }

  const std::string text = MessageTextAsDrawn();
  const UINT flags = DT_CENTER | DT_EXPANDTABS | (layout_.wrapText ? DT_WORDBREAK : 0);
  Selection selectFont(buffer.Get(), messageFont_.Get());
  SetBkMode(buffer.Get(), TRANSPARENT);
  SetTextColor(buffer.Get(), GetSysColor(COLOR_WINDOWTEXT));
  RECT measured{0, 0, width, 0};
  DrawLauncherText(buffer.Get(), text, measured, flags | DT_CALCRECT);
  const int top = (height - (measured.bottom - measured.top)) / 2;
  RECT area{0, top, width, top + (measured.bottom - measured.top)};
  DrawLauncherText(buffer.Get(), text, area, flags);
  buffer.Show();
}

LRESULT TMessageForm::HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintMessageText();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT:
      InvalidateRect(text_.window_, nullptr, FALSE);
      break;
    case WM_GETOBJECT:
      if (!messageAccessible_) break;
      if (const LRESULT answer = messageAccessible_->Answer(wParam, lParam)) return answer;
      break;
    default:
      break;
  }
  return DefWindowProcW(text_.window_, message, wParam, lParam);
}

LRESULT TMessageForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsQueryCancelAutoPlay(message)) return kCancelAutoPlay;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(window_);
      RECT client;
      GetClientRect(window_, &client);
      if (HBITMAP artwork = Artwork()) {
        DrawBitmap(paint.Get(), artwork, 0, 0, client.right, client.bottom);
      } else {
        FillRect(paint.Get(), &client, GetSysColorBrush(PageColour(colours_)));
      }
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && modal_) modalResult_ = LOWORD(wParam);
      return 0;
    case WM_ACTIVATE:
      // The focused button stays focused, so that Enter still answers it.
      if (keptFocus_.OnActivate(wParam, FirstButton())) return 0;
      break;
    case WM_CLOSE:
      if (modal_) {
        modalResult_ = IDCANCEL;
      } else {
        Hide();
      }
      return 0;
    case kPreTranslateKey:
      return PreTranslateKey(*reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
    case kDpiChanged:
      // Moved to a monitor of another scale: the frame Windows suggests.
      ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_TIMER:
      if (wParam == kSelfAnswerTimer) {
        TestSelfAnswer();
        return 0;
      }
      break;
    case WM_DEVICECHANGE:
      if (IsVolumeArrival(wParam, lParam)) MediaArrived();
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace launcher
