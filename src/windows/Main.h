// TInstallWindows: the launcher's one main window and the view of its
// session. Creating it builds the menu page (Page1) and the selection page
// (Page2) as designed, then lets the session set them up from the
// configuration; afterwards it forwards its controls' events to the session
// and draws what the session says.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/LauncherSession.h"
#include "core/LauncherView.h"
#include "core/Texts.h"
#include "core/LoggedHost.h"
#include "core/Selection.h"
#include "windows/MessageWindows.h"
#include "windows/Win32Host.h"
#include "windows/kit/Application.h"
#include "windows/kit/TaskbarProgress.h"
#include "windows/kit/CheckListBox.h"
#include "windows/kit/Image.h"
#include "windows/kit/InstallButton.h"
#include "windows/kit/KeptFocus.h"
#include "windows/kit/Label.h"
#include "windows/kit/Panel.h"

namespace launcher {

inline constexpr char kMainWindowClass[] = "TInstallWindows";
class TInstallWindows : private LauncherView {
 public:
  static constexpr int kClientWidth = kPageWidth;
  static constexpr int kClientHeight = kPageHeight;

  // Creates the window hidden; its creation runs FormCreate. With a log,
  // everything the session does is written to it. An unattended launcher
  // shows nothing at all, errors included (they go to the log).
  // `language` ("/lang TAG") is shown before the display languages.
  explicit TInstallWindows(Application& application, LogSink* log = nullptr, bool unattended = false,
                           const std::optional<std::string>& language = std::nullopt);
  ~TInstallWindows() override;
  TInstallWindows(const TInstallWindows&) = delete;
  TInstallWindows& operator=(const TInstallWindows&) = delete;

  HWND Handle() const { return window_; }
  // Places the window 50 logical pixels up and left of the screen's centre.
  void Place();
  void Show();
  // Hides the window and asks the application to end.
  void Close();
  // The unattended run after start-up: its exit code (1603 when start-up
  // stopped with an error).
  int RunQuietly(const LauncherArguments& arguments);

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
  // WndProc: the main window's messages.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void FormCreate();
  void CreatePages();
  // The colours of the pages and the message windows: the system's in high contrast.
  void SetColours(Palette palette);
  // Draws everything at a scale: the fonts, the pages and the message
  // windows, in the frame suggested, or in the client scaled where the
  // window stands.
  void ApplyDpi(int dpi, const RECT* suggestedFrame);
  // The event handlers, forwarded to the session.
  void InstallButtonClick(int number);
  void InstallChecksMouseMove(int x, int y);
  // The keyboard: moves the focus between the front page's stops and
  // clicks the focused button; true when the key was for that. A key held
  // down clicks once.
  struct KeyPress {
    WPARAM code;
    bool shift;
    bool repeat;  // sent again while the key is held
  };
  bool PreTranslateKey(const MSG& msg);
  bool MenuKey(const KeyPress& key);
  bool SelectionKey(const KeyPress& key);
  // Shows focus cues from now on, as a dialog box does once a key moved the focus.
  void ShowFocusCues();
  // Where the keyboard focus goes when the window is active, and now if it is.
  void FocusWhenActive(HWND target);
  // The same for a button of a page (null: the page itself).
  void FocusButton(TPanel& page, TInstallButton* button);
  // Runs an event handler's work; an error ends it in the error box. A
  // close asked for meanwhile (while a program ran) is carried out after it.
  template <typename Work>
  void Guarded(Work work);
  void CloseWhenIdle();

  // What the session asks of the screen.
  void SetScript(uint8_t charset, TextEncoding encoding, bool rightToLeft) override;
  void SetTitle(const std::string& title) override;
  void SetInstallCaption(const std::string& caption) override { SetFittedCaption(*btnInstall, caption); }
  void SetCancelCaption(const std::string& caption) override { SetFittedCaption(*btnCancel, caption); }
  // The labels draw, and screen readers read, the disc's line breaks as
  // Windows draws them.
  void SetDialogTitle(const std::string& caption) override { lbDialogTitle->SetCaption(AsDrawnLineBreaks(caption)); }
  void SetComponentInfo(const std::string& caption) override { lbCompInfo->SetCaption(AsDrawnLineBreaks(caption)); }
  void SetMenuButton(int number, const std::string& caption, const std::string& hint, const std::string& action,
                     const std::string& widestText) override;
  bool HighResolution() const override { return dpi_ > kDesignDpi; }
  bool SetBackground(LauncherPage page, const std::vector<uint8_t>& jpeg, int density) override;
  void ShowPage(LauncherPage page) override;
  void FillRows(const std::vector<ChecklistRow>& rows) override;
  int SelectedRow() override { return InstallChecks->ItemIndex(); }
  void SelectRow(int row) override { InstallChecks->SetItemIndex(row); }
  void SetInfoText(const std::string& text) override { InfoText->SetCaption(AsDrawnLineBreaks(text)); }
  void SetStageLit(int index, bool lit) override;
  void ShowRunProgress(int component, int components, bool failed) override {
    taskbar_.Show(component, components, failed);
  }
  void EndRunProgress() override { taskbar_.End(); }
  void CloseMainWindow() override;
  static void SetFittedCaption(TInstallButton& button, const std::string& caption);

  Application& application_;
  HWND window_ = nullptr;
  Win32Host host_;
  LoggedHost logged_;  // the host as the session sees it
  LauncherSession session_;
  Font mainFont_;
  FontSpec mainFontSpec_;
  int dpi_ = kDesignDpi;
  LauncherPage front_ = LauncherPage::kSelection;  // the selection page is created last
  KeptFocus keptFocus_{nullptr};  // made for the window once it exists
  TaskbarProgress taskbar_{application_.Window()};  // on the application window's taskbar button
  // Whether focus cues are hidden (UISF_HIDEFOCUS): the window keeps it
  // itself, since not every system does (Wine does not).
  WORD uiState_ = 0;
  TInstallButton* menuOpener_ = nullptr;  // the menu button that opened the selection page
  bool startupFailed_ = false;
  bool closeHeldForAProgram_ = false;  // the held close came while a program ran
  int handling_ = 0;         // event handlers under way (a program may be running)

  std::unique_ptr<MessageWindows> Messages;
  std::unique_ptr<TPanel> Page1;
  std::unique_ptr<TPanel> Page2;
  std::array<std::unique_ptr<TInstallButton>, kMenuButtonCount + 1> InstallButton;  // 1 to 11
  std::array<std::string, kMenuButtonCount + 1> ButtonAction;  // what each menu button runs
  std::unique_ptr<TInstallButton> btnInstall;
  std::unique_ptr<TInstallButton> btnCancel;
  std::unique_ptr<TImage> bgImage1;
  std::unique_ptr<TImage> bgImage2;
  std::array<std::unique_ptr<TImage>, kStageCount> StaticImages;    // Page1
  std::array<std::unique_ptr<TImage>, kStageCount> InactiveImages;  // Page2
  std::array<std::unique_ptr<TImage>, kStageCount> ActiveImages;    // Page2
  std::unique_ptr<TLabel> InfoText;
  std::unique_ptr<TLabel> lbDialogTitle;
  std::unique_ptr<TLabel> lbCompInfo;
  std::unique_ptr<TCheckListBox> InstallChecks;
};

template <typename Work>
void TInstallWindows::Guarded(Work work) {
  ++handling_;
  try {
    work();
  } catch (const std::exception& error) {
    logged_.ShowError(error.what());  // the application's error box, and the log
  } catch (...) {
    logged_.ShowError(kUnexpectedError);
  }
  --handling_;
  CloseWhenIdle();
}

}  // namespace launcher
