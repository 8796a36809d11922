// TInstallWindows: the launcher's one main window. Creating it loads the
// configuration and turns it into the menu page (Page1) and the selection
// page (Page2); its methods carry all of the launcher's behaviour.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/Config.h"
#include "core/SingleAction.h"
#include "core/Startup.h"
#include "windows/Application.h"
#include "windows/CheckListBox.h"
#include "windows/Image.h"
#include "windows/InstallButton.h"
#include "windows/Label.h"
#include "windows/MessageWindows.h"
#include "windows/Panel.h"
#include "windows/Win32ConfigHost.h"

namespace launcher {

inline constexpr char kMainWindowClass[] = "TInstallWindows";
inline constexpr int kStageCount = 6;  // DEFINE, DESIGN, DEVELOP, TEST, DEPLOY, MANAGE

class TInstallWindows : private ActionHost {
 public:
  static constexpr int kClientWidth = 600;
  static constexpr int kClientHeight = 400;

  // Creates the window hidden; its creation runs FormCreate.
  explicit TInstallWindows(Application& application);
  ~TInstallWindows();
  TInstallWindows(const TInstallWindows&) = delete;
  TInstallWindows& operator=(const TInstallWindows&) = delete;

  HWND Handle() const { return window_; }
  // Places the window 50 pixels up and left of the screen's centre.
  void Place();
  void Show();
  // Hides the window and asks the application to end.
  void Close();

  void setCharset(uint8_t charset);
  void ClearActionExecArray();

  // The event handlers.
  void InstallButtonClick(TInstallButton& sender);
  void CompoundAction(TInstallButton& sender);
  void SingleAction(TInstallButton& sender);
  void InstallChecksMouseMove(int x, int y);
  void InstallChecksClickCheck();
  void setNeon(const std::string& stage);
  void btnCancelClick();
  void btnInstallClick();

  // The state start-up sets up, for the actions and the selection page.
  Configuration Settings;  // ConfigStrings, LongestButtonText, ShellLauncher, ...
  int32_t ActionTotal = 0;
  std::vector<Actions> ActionTable;
  std::vector<LaunchAct> ActionExecArray;
  uint16_t QueryCancelAutoPlayMsg = 0;
  std::string PartnerCode;
  // DiskChangePending, RequestedDisc, CurrentDiscTitle, LauncherDiscTitle and
  // what the registry said.
  ActionState State;
  std::string CompoundActionList;
  std::string CurrentStage;

  std::unique_ptr<MessageWindows> Messages;
  std::unique_ptr<TPanel> Page1;
  std::unique_ptr<TPanel> Page2;
  std::array<std::unique_ptr<TInstallButton>, kMenuButtonCount + 1> InstallButton;  // 1 to 11
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

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
  // WndProc: the main window's messages.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void FormCreate();
  void CreatePages();
  std::string ConfigText(const std::string& key);
  SharedPicture ArchivePicture(const std::string& member);
  // Runs an event handler's work; an error ends it in the error box.
  template <typename Work>
  void Guarded(Work work);

  // What actions ask of the launcher and the system.
  std::string Config(const std::string& key) override { return ConfigText(key); }
  std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override;
  std::string CurrentDirectory() override;
  bool IsFilePresent(const std::string& name) override;
  std::string UpperCase(std::string_view text) override { return host_.UpperCase(text); }
  void ShowInfoDialog(const std::string& title, const std::string& text) override;
  bool ShowOKCancelDialog(const std::string& title, const std::string& text) override;
  bool ShowRetryCancelDialog(const std::string& title, const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override { application_.ShowError(text); }
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) override;
  int32_t RunWinProcess(const std::string& commandLine, int16_t show) override;
  int32_t WinExecAndWait32(const std::string& commandLine, int16_t show) override;
  std::string LastErrorText() override;
  uint32_t LastStartError() override { return lastStartError_; }
  std::optional<std::string> FindProgram(const std::string& name) override;
  int32_t StartElevated(const std::string& program, const std::string& parameters, int16_t show) override;
  void ForceForeground() override;
  void CloseMainWindow() override { Close(); }

  Application& application_;
  HWND window_ = nullptr;
  Win32ConfigHost host_;
  ZipArchive InstallJar;
  Font mainFont_;
  FontSpec mainFontSpec_;
  uint32_t lastStartError_ = 0;
};

template <typename Work>
void TInstallWindows::Guarded(Work work) {
  try {
    work();
  } catch (const std::exception& error) {
    application_.ShowException(error);
  }
}

}  // namespace launcher
