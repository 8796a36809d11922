#include "windows/Main.h"

#include <windowsx.h>

#include "core/FocusOrder.h"
#include "core/QuietRun.h"
#include "image/Jpeg.h"
#include "windows/TopLevel.h"
#include "windows/kit/AutoPlay.h"
#include "windows/kit/Dpi.h"
#include "windows/kit/WindowClass.h"

namespace launcher {
namespace {

constexpr DWORD kMainStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Where the window is designed to appear; start-up places it on the screen.
constexpr int kDesignedLeft = 493, kDesignedTop = 406;

}  // namespace

TInstallWindows::TInstallWindows(Application& application, LogSink* log, bool unattended,
                                 const std::optional<std::string>& language)
    : application_(application),
      host_(application),
      logged_(host_, log),
      session_(logged_, *this) {
  host_.ReportTo(logged_);
  host_.SetUnattended(unattended);
  session_.PreferLanguage(language);
  mainFont_ = CreateFontFrom(mainFontSpec_);
  RegisterWindowClass(kMainWindowClass, BoundWindowProc<TInstallWindows>, GetSysColorBrush(COLOR_BTNFACE), 0,
                      LauncherIcon());
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, kMainExStyle);
  // Created at its designed place; start-up moves it.
  CreateUnicodeWindow(kMainExStyle, kMainWindowClass, "Installer", kMainStyle, kDesignedLeft, kDesignedTop,
                      frame.right - frame.left, frame.bottom - frame.top, application_.Window(), this);
  keptFocus_ = KeptFocus(window_);
  CreatePages();
  // Made at the design's scale, which most screens still have.
  if (const int dpi = WindowDpi(window_); dpi != dpi_) ApplyDpi(dpi, nullptr);
  // Focus cues stay hidden until the keyboard is used, unless the user asked
  // Windows to show them always.
  BOOL alwaysShowCues = FALSE;
  SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &alwaysShowCues, 0);
  if (!alwaysShowCues) SendMessageW(window_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  FormCreate();
}

TInstallWindows::~TInstallWindows() {
  // The controls go before the pages that host them.
  for (auto& button : InstallButton) button.reset();
  btnInstall.reset();
  btnCancel.reset();
  bgImage1.reset();
  bgImage2.reset();
  for (auto& image : StaticImages) image.reset();
  for (auto& image : InactiveImages) image.reset();
  for (auto& image : ActiveImages) image.reset();
  InfoText.reset();
  lbDialogTitle.reset();
  lbCompInfo.reset();
  InstallChecks.reset();
  Page1.reset();
  Page2.reset();
  Messages.reset();
  if (window_) DestroyWindow(window_);
}

void TInstallWindows::FormCreate() {
  try {
    Messages = std::make_unique<MessageWindows>(application_, window_);
    SetColours(SystemPalette());
    host_.AttachMessages(*Messages);
    session_.FormCreate();
  } catch (const std::exception& error) {
    startupFailed_ = true;
    logged_.ShowError(error.what());
  }
}

int TInstallWindows::RunQuietly(const LauncherArguments& arguments) {
  if (startupFailed_) {
    logged_.Log("unattended: start-up stopped: exit code " + std::to_string(kExitFailure));
    return kExitFailure;
  }
  int code = kExitFailure;
  Guarded([&] { code = session_.RunQuietly(arguments); });
  return code;
}

void TInstallWindows::SetTitle(const std::string& title) {
  application_.SetTitle(title);
  SetWindowTitle(window_, title);
}

void TInstallWindows::SetFittedCaption(TInstallButton& button, const std::string& caption) {
  button.FitWidthToText(caption);
  button.SetCaption(caption);
}

void TInstallWindows::SetMenuButton(int number, const std::string& caption, const std::string& hint,
                                    const std::string& action, const std::string& widestText) {
  TInstallButton& button = *InstallButton[static_cast<size_t>(number)];
  button.FitWidthToText(widestText);
  button.SetCaption(caption);
  button.SetHint(hint);
  ButtonAction[static_cast<size_t>(number)] = action;
  if (button.Caption().empty()) button.SetVisible(false);
}

bool TInstallWindows::SetBackground(LauncherPage page, const std::vector<uint8_t>& jpeg, int density) {
  const JpegResult picture = DecodeJpeg(jpeg.data(), jpeg.size());
  if (!picture.ok) return false;
  (page == LauncherPage::kMenu ? bgImage1 : bgImage2)
      ->SetPicture(Picture::FromBitmap(CreateDib(picture.bitmap), density));
  return true;
}

void TInstallWindows::ShowPage(LauncherPage page) {
  front_ = page;
  // The page behind goes out of sight, so that screen readers do not read
  // it; the front one covers it whole, so nothing changes on the screen.
  TPanel& front = *(page == LauncherPage::kMenu ? Page1 : Page2);
  front.BringToFront();
  (page == LauncherPage::kMenu ? Page2 : Page1)->Hide();
  if (page == LauncherPage::kSelection) {
    FocusWhenActive(InstallChecks->Handle());
  } else {
    // Back on the menu, the focus returns to the button that left it.
    FocusButton(*Page1, menuOpener_);
  }
}

void TInstallWindows::FocusButton(TPanel& page, TInstallButton* button) {
  keptFocus_.Keep(page.Handle());
  page.FocusControl(button);
}

void TInstallWindows::FocusWhenActive(HWND target) {
  keptFocus_.Keep(target);
  if (GetActiveWindow() == window_) SetFocus(target);
}

void TInstallWindows::ShowFocusCues() {
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool TInstallWindows::PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const KeyPress key{msg.wParam, GetKeyState(VK_SHIFT) < 0, (msg.lParam & (1 << 30)) != 0};
  return front_ == LauncherPage::kMenu ? MenuKey(key) : SelectionKey(key);
}

bool TInstallWindows::MenuKey(const KeyPress& key) {
  FocusMove move;
  switch (key.code) {
    case VK_TAB:
      move = key.shift ? FocusMove::kPrevious : FocusMove::kNext;
      break;
    case VK_DOWN:
      move = FocusMove::kNext;
      break;
    case VK_UP:
      move = FocusMove::kPrevious;
      break;
    case VK_HOME:
      move = FocusMove::kFirst;
      break;
    case VK_END:
      move = FocusMove::kLast;
      break;
    case VK_RETURN:
    case VK_SPACE:
      if (TControl* focused = Page1->FocusedControl(); focused && GetFocus() == Page1->Handle() && !key.repeat) {
        focused->Click();
      }
      return true;
    default:
      return false;
  }
  std::vector<bool> visible(kMenuButtonCount);
  int current = -1;
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    visible[static_cast<size_t>(n - 1)] = InstallButton[n]->Visible();
    if (InstallButton[n].get() == Page1->FocusedControl()) current = n - 1;
  }
  ShowFocusCues();
  const int next = MoveFocus(visible, current, move);
  if (next >= 0) FocusButton(*Page1, InstallButton[next + 1].get());
  return true;
}

bool TInstallWindows::SelectionKey(const KeyPress& key) {
  // The page's tab stops in order: the checklist, Install, Cancel.
  TInstallButton* const buttons[] = {btnInstall.get(), btnCancel.get()};
  int current = GetFocus() == InstallChecks->Handle() ? 0 : -1;
  for (int k = 0; k < 2; ++k) {
    if (GetFocus() == Page2->Handle() && Page2->FocusedControl() == buttons[k]) current = k + 1;
  }
  switch (key.code) {
    case VK_TAB: {
      ShowFocusCues();
      const int next = MoveFocus({IsWindowVisible(InstallChecks->Handle()) != 0, buttons[0]->Visible(),
                                  buttons[1]->Visible()},
                                 current, key.shift ? FocusMove::kPrevious : FocusMove::kNext);
      if (next == 0) FocusWhenActive(InstallChecks->Handle());
      if (next > 0) FocusButton(*Page2, buttons[next - 1]);
      return true;
    }
    case VK_ESCAPE:
      if (!key.repeat) btnCancel->Click();
      return true;
    case VK_RETURN:
    case VK_SPACE:
      if (current <= 0) return false;  // the checklist's own: Space toggles the row
      if (!key.repeat) buttons[current - 1]->Click();
      return true;
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
      ShowFocusCues();  // the checklist moves its selection itself
      return false;
    default:
      return false;
  }
}

void TInstallWindows::SetStageLit(int index, bool lit) {
  TImage& image = *ActiveImages[static_cast<size_t>(index)];
  if (image.Visible() != lit) image.SetVisible(lit);
  InactiveImages[static_cast<size_t>(index)]->SetSelected(lit);
}

void TInstallWindows::SetScript(uint8_t charset, TextEncoding encoding, bool rightToLeft) {
  const DiscScript script{charset, encoding == TextEncoding::kUtf8, rightToLeft};
  if (rightToLeft) {
    // The pages cover the client whole; the checklist is placed again
    // within its mirrored page.
    Mirror(window_);
    Page1->Mirror();
    Page2->Mirror();
    InstallChecks->Mirror();
    application_.SetRightToLeft();
  }
  ApplyScript(mainFontSpec_, script);
  mainFont_ = CreateFontFrom(mainFontSpec_, dpi_);
  auto applyTo = [&script](TInstallButton& button) {
    FontSpec font = button.Font();
    ApplyScript(font, script);
    button.SetFont(font);
  };
  for (int n = 1; n <= kMenuButtonCount; ++n) applyTo(*InstallButton[n]);
  applyTo(*btnCancel);
  applyTo(*btnInstall);
  InfoText->SetScript(script);
  InstallChecks->SetFont(mainFont_.Get());
  lbCompInfo->SetScript(script);
  lbDialogTitle->SetScript(script);
  Messages->SetMessageScript(script);
}

void TInstallWindows::SetColours(Palette palette) {
  Page1->SetColours(palette);
  Page2->SetColours(palette);
  Messages->SetColours(palette);
}

void TInstallWindows::ApplyDpi(int dpi, const RECT* suggestedFrame) {
  dpi_ = dpi;
  FitFrame(window_, Scaled(kClientWidth, dpi), Scaled(kClientHeight, dpi), dpi, suggestedFrame);
  mainFont_ = CreateFontFrom(mainFontSpec_, dpi);
  InstallChecks->SetDpi(dpi);
  InstallChecks->SetFont(mainFont_.Get());
  Page1->SetDpi(dpi);
  Page2->SetDpi(dpi);
}

// The window knows its scale already.
void TInstallWindows::Place() { PlaceOnScreen(window_, {WorkAreaOf(window_), dpi_}); }

void TInstallWindows::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
}

void TInstallWindows::Close() {
  ShowWindow(window_, SW_HIDE);
  PostQuitMessage(0);
}

void TInstallWindows::CloseMainWindow() {
  logged_.Log(Describe(HostEvent::Of(HostEvent::Kind::kCloseMainWindow)));
  Close();
}

void TInstallWindows::CloseWhenIdle() {
  if (handling_ > 0 || !application_.CloseHeld()) return;
  application_.SetCloseHeld(false);
  logged_.Report(HostEvent::CloseCarriedOut(closeHeldForAProgram_));
  Close();
}

LRESULT TInstallWindows::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsQueryCancelAutoPlay(message)) return kCancelAutoPlay;
  switch (message) {
    case WM_CLOSE:
      // While a program runs, or the action that ran it still tells the
      // user something, the window stays, so that the user learns how the
      // installation ended; the launcher ends after it.
      if (handling_ > 0) {
        if (!application_.CloseHeld()) {
          closeHeldForAProgram_ = host_.ProgramRunning();
          logged_.Report(HostEvent::CloseHeld(closeHeldForAProgram_));
        }
        application_.SetCloseHeld(true);
        return 0;
      }
      Close();
      return 0;
    case WM_ACTIVATE:
      if (Page1 && Page2 &&
          keptFocus_.OnActivate(wParam, (front_ == LauncherPage::kMenu ? Page1 : Page2)->Handle())) {
        return 0;
      }
      break;
    case kDpiChanged:
      // Moved to a monitor of another scale: the frame Windows suggests.
      if (Page1 && Page2) ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // High contrast may have been switched on or off.
      if (Messages) SetColours(SystemPalette());
      break;
    case WM_CHANGEUISTATE:
      // A top-level window takes the change for itself and its children.
      SendMessageW(window_, WM_UPDATEUISTATE, wParam, lParam);
      return 0;
    case WM_UPDATEUISTATE:
      if (LOWORD(wParam) == UIS_SET) uiState_ |= HIWORD(wParam) & UISF_HIDEFOCUS;
      if (LOWORD(wParam) == UIS_CLEAR) uiState_ &= ~(HIWORD(wParam) & UISF_HIDEFOCUS);
      DefWindowProcW(window_, message, wParam, lParam);  // the system's own controls follow it
      if (Page1 && Page2) {
        Page1->FocusCueChanged();
        Page2->FocusCueChanged();
      }
      return 0;
    case WM_QUERYUISTATE:
      return uiState_;
    case kPreTranslateKey:
      return PreTranslateKey(*reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace launcher
