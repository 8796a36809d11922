#include "windows/Main.h"

#include <windowsx.h>

#include "image/Jpeg.h"
#include "windows/kit/WindowClass.h"

namespace launcher {
namespace {

constexpr DWORD kMainStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Where the window is designed to appear; start-up places it on the screen.
constexpr int kDesignedLeft = 493, kDesignedTop = 406;

}  // namespace

TInstallWindows::TInstallWindows(Application& application, LogSink* log)
    : application_(application),
      host_(application, {[this](uint8_t charset) { setCharset(charset); }, [this] { Close(); }}),
      logged_(host_, log),
      session_(logged_, *this) {
  mainFont_ = CreateFontFrom(mainFontSpec_);
  RegisterWindowClass(kMainWindowClass, BoundWindowProc<TInstallWindows>, GetSysColorBrush(COLOR_BTNFACE));
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, kMainExStyle);
  // Created at its designed place; start-up moves it.
  CreateWindowExA(kMainExStyle, kMainWindowClass, "Installer", kMainStyle, kDesignedLeft, kDesignedTop,
                  frame.right - frame.left, frame.bottom - frame.top, application_.Window(), nullptr,
                  GetModuleHandleA(nullptr), this);
  CreatePages();
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
    QueryCancelAutoPlayMsg = static_cast<uint16_t>(RegisterWindowMessageA(kQueryCancelAutoPlay));
    Messages = std::make_unique<MessageWindows>(application_, window_);
    host_.AttachMessages(*Messages);
    session_.FormCreate();
  } catch (const std::exception& error) {
    logged_.ShowError(error.what());
  }
}

void TInstallWindows::SetTitle(const std::string& title) {
  application_.SetTitle(title);
  SetWindowTextA(window_, title.c_str());
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
  button.SetButtonAction(action);
  if (button.Caption().empty()) button.SetVisible(false);
}

void TInstallWindows::SetBackground(LauncherPage page, const std::vector<uint8_t>& jpeg) {
  // A picture that does not decode leaves the designed one in place.
  const JpegResult picture = DecodeJpeg(jpeg.data(), jpeg.size());
  if (!picture.ok) return;
  (page == LauncherPage::kMenu ? bgImage1 : bgImage2)->SetPicture(Picture::FromBitmap(CreateDib(picture.bitmap)));
}

void TInstallWindows::ShowPage(LauncherPage page) {
  (page == LauncherPage::kMenu ? Page1 : Page2)->BringToFront();
}

void TInstallWindows::SetStageLit(int index, bool lit) {
  TImage& image = *ActiveImages[static_cast<size_t>(index)];
  if (image.Visible() != lit) image.SetVisible(lit);
}

void TInstallWindows::setCharset(uint8_t charset) {
  mainFontSpec_.charset = charset;
  mainFont_ = CreateFontFrom(mainFontSpec_);
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    FontSpec font = InstallButton[n]->Font();
    font.charset = charset;
    InstallButton[n]->SetFont(font);
  }
  for (TInstallButton* button : {btnCancel.get(), btnInstall.get()}) {
    FontSpec font = button->Font();
    font.charset = charset;
    button->SetFont(font);
  }
  InfoText->SetCharset(charset);
  InstallChecks->SetFont(mainFont_.Get());
  lbCompInfo->SetCharset(charset);
  lbDialogTitle->SetCharset(charset);
  Messages->SetMessageCharset(charset);
}

void TInstallWindows::Place() { PlaceOnScreen(window_); }

void TInstallWindows::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  UpdateWindow(window_);
}

void TInstallWindows::Close() {
  ShowWindow(window_, SW_HIDE);
  PostQuitMessage(0);
}

LRESULT TInstallWindows::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The shell asks the window in front before AutoPlay starts for a newly
  // inserted disc; 1 cancels it.
  if (QueryCancelAutoPlayMsg != 0 && message == QueryCancelAutoPlayMsg) return 1;
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

}  // namespace launcher
