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
#include "core/Startup.h"
#include "windows/Application.h"
#include "windows/Image.h"
#include "windows/InstallButton.h"
#include "windows/Label.h"
#include "windows/MessageWindows.h"
#include "windows/Panel.h"
#include "windows/Win32ConfigHost.h"

namespace launcher {

inline constexpr char kMainWindowClass[] = "TInstallWindows";
inline constexpr int kStageCount = 6;  // DEFINE, DESIGN, DEVELOP, TEST, DEPLOY, MANAGE

class TInstallWindows {
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

  // The state start-up sets up, for the actions and the selection page.
  Configuration Config;
  int32_t ActionTotal = 0;
  std::vector<Actions> ActionTable;
  std::vector<LaunchAct> ActionExecArray;
  uint16_t QueryCancelAutoPlayMsg = 0;
  std::string PartnerCode;
  bool DiskChangePending = false;
  std::string RequestedDisc;
  std::string CurrentDiscTitle;
  std::string LauncherDiscTitle;
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
  HWND InstallChecks = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  void FormCreate();
  void CreatePages();
  std::string ConfigText(const std::string& key);
  SharedPicture ArchivePicture(const std::string& member);

  Application& application_;
  HWND window_ = nullptr;
  Win32ConfigHost host_;
  ZipArchive InstallJar;
  Font mainFont_;
  FontSpec mainFontSpec_;
};

}  // namespace launcher
