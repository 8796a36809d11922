#include "windows/Main.h"

#include <windowsx.h>

#include "windows/WindowClass.h"

namespace launcher {
namespace {

constexpr DWORD kMainStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

TInstallWindows::TInstallWindows(Application& application)
    : application_(application), host_([this](uint8_t charset) { setCharset(charset); }) {
  mainFont_ = CreateFontFrom(mainFontSpec_);
  RegisterWindowClass(kMainWindowClass, BoundWindowProc<TInstallWindows>, GetSysColorBrush(COLOR_BTNFACE));
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, kMainExStyle);
  // Created at its designed place; start-up moves it.
  CreateWindowExA(kMainExStyle, kMainWindowClass, "Installer", kMainStyle, 493, 406, frame.right - frame.left,
                  frame.bottom - frame.top, application_.Window(), nullptr, GetModuleHandleA(nullptr), this);
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
  Page1.reset();
  Page2.reset();
  Messages.reset();
  if (window_) DestroyWindow(window_);
}

std::string TInstallWindows::ConfigText(const std::string& key) {
  return Settings.ConfigStrings ? host_.ToNarrow(Settings.ConfigStrings->Get(key)) : std::string();
}

SharedPicture TInstallWindows::ArchivePicture(const std::string& member) {
  // A background that is missing, damaged or no JPEG leaves the designed
  // picture in place: the menu still works without it.
  try {
    const std::optional<std::vector<uint8_t>> bytes = InstallJar.Extract(member);
    if (!bytes) return nullptr;
    const JpegResult picture = DecodeJpeg(bytes->data(), bytes->size());
    if (!picture.ok) return nullptr;
    return Picture::FromBitmap(CreateDib(picture.bitmap));
  } catch (const ArchiveError&) {
    return nullptr;
  }
}

void TInstallWindows::FormCreate() {
  try {
    QueryCancelAutoPlayMsg = static_cast<uint16_t>(RegisterWindowMessageA("QueryCancelAutoPlay"));
    Messages = std::make_unique<MessageWindows>(application_, window_);
    GetConfig(host_, InstallJar, Settings);
    const ConfigLookup config = [this](const std::string& key) { return ConfigText(key); };

    ActionTotal = ReadActionTotal(config);
    const size_t entries = TableSize(ActionTotal);
    ActionTable.assign(entries, Actions{});
    ActionExecArray.assign(entries, LaunchAct{});
    ClearActionExecArray();

    State.DiskChangePending = false;
    CurrentStage.clear();
    State.CurrentDiscTitle = host_.ToNarrow(Settings.ConfigStrings->Get("LauncherTitle") + u" disc");
    State.LauncherDiscTitle = State.CurrentDiscTitle;
    State.ShellLauncher = Settings.ShellLauncher;
    application_.SetTitle(config("LauncherTitle"));
    PartnerCode = config("LauncherPartner");
    SetWindowTextA(window_, config("LauncherTitle").c_str());

    std::string text = config("InstallDialiogInstallButton");
    btnInstall->FitWidthToText(text);
    btnInstall->SetCaption(text);
    text = config("InstallDialiogCancelButton");
    btnCancel->FitWidthToText(text);
    btnCancel->SetCaption(text);
    lbDialogTitle->SetCaption(config("InstallDialiogTitle"));
    lbCompInfo->SetCaption(config("InstallDialiogComponentInfo"));

    for (int n = 1; n <= kMenuButtonCount; ++n) {
      TInstallButton& button = *InstallButton[n];
      button.FitWidthToText(Settings.LongestButtonText);
      const MenuButtonTexts texts = MenuButtonFor(config, n);
      button.SetCaption(texts.caption);
      button.SetHint(texts.hint);
      button.SetButtonAction(texts.action);
      if (button.Caption().empty()) button.SetVisible(false);
    }

    FillActionTable(config, ActionTable);

    if (SharedPicture menu = ArchivePicture(MenuBackgroundMember(PartnerCode))) bgImage1->SetPicture(menu);
    if (SharedPicture selection = ArchivePicture(SelectionBackgroundMember(PartnerCode))) {
      bgImage2->SetPicture(selection);
    }
    InstallJar.Close();

    for (auto& image : ActiveImages) image->SetVisible(false);
    Page1->BringToFront();
  } catch (const std::exception& error) {
    application_.ShowException(error);
  }
}

void TInstallWindows::ClearActionExecArray() {
  for (LaunchAct& entry : ActionExecArray) entry = LaunchAct{};
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
