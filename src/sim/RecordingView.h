// A LauncherView that keeps what the launcher would show: the captions of
// every button and label, which buttons are hidden, the checklist's rows,
// the lit stages and the page in front. Page changes also go to the event
// log, in order with what the host writes down.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/Config.h"
#include "core/LauncherView.h"
#include "core/Selection.h"
#include "core/Startup.h"
#include "core/HostEvent.h"

namespace launcher {

class RecordingView : public LauncherView {
 public:
  struct MenuButton {
    std::string caption, hint, action, widestText;
    bool visible = true;
  };

  explicit RecordingView(std::function<void(HostEvent)> record = {}) : record_(std::move(record)) {}

  void SetScript(uint8_t givenCharset, TextEncoding givenEncoding, bool givenRightToLeft) override {
    charset = givenCharset;
    encoding = givenEncoding;
    rightToLeft = givenRightToLeft;
  }
  void SetTitle(const std::string& text) override { title = text; }
  void SetInstallCaption(const std::string& caption) override { installCaption = caption; }
  void SetCancelCaption(const std::string& caption) override { cancelCaption = caption; }
  void SetDialogTitle(const std::string& caption) override { dialogTitle = caption; }
  void SetComponentInfo(const std::string& caption) override { componentInfo = caption; }
  void SetMenuButton(int number, const std::string& caption, const std::string& hint, const std::string& action,
                     const std::string& widestText) override;
  bool HighResolution() const override { return highResolution; }
  bool SetBackground(LauncherPage page, const std::vector<uint8_t>& jpeg, int density) override;
  void ShowPage(LauncherPage page) override;
  void FillRows(const std::vector<ChecklistRow>& rows) override;
  int SelectedRow() override { return selectedRow; }
  void SelectRow(int row) override;
  void SetInfoText(const std::string& text) override { infoText = text; }
  void SetStageLit(int index, bool lit) override { litStages.at(static_cast<size_t>(index)) = lit; }
  void ShowRunProgress(int component, int components, bool failed) override {
    runProgress.push_back({component, components, failed, selectedRow});
  }
  void EndRunProgress() override { runProgress.push_back({}); }
  void CloseMainWindow() override;

  // Each progress the taskbar was told: component k of n, failed, and the
  // row selected then; all 0 when it was told to show none.
  struct RunProgress {
    int component = 0, components = 0;
    bool failed = false;
    int row = 0;
    bool operator==(const RunProgress& other) const {
      return component == other.component && components == other.components && failed == other.failed &&
             row == other.row;
    }
  };
  std::vector<RunProgress> runProgress;
  uint8_t charset = kDefaultCharset;
  TextEncoding encoding = TextEncoding::kSystemCodePage;
  bool rightToLeft = false;
  std::string title, installCaption, cancelCaption, dialogTitle, componentInfo, infoText;
  std::array<MenuButton, kMenuButtonCount + 1> menuButtons;  // 1 to 11
  bool highResolution = false;  // the screen it stands for is scaled
  std::vector<uint8_t> menuBackground, selectionBackground;
  int menuDensity = 0, selectionDensity = 0;  // 0 while the designed picture shows
  LauncherPage page = LauncherPage::kSelection;  // the selection page is created last
  std::vector<std::string> rows;
  std::vector<std::string> rowDescriptions;
  std::vector<std::string> rowEntries;  // "Action" N of each row
  std::vector<bool> checked;
  int selectedRow = -1;
  std::array<bool, kStageCount> litStages{true, true, true, true, true, true};

 private:
  std::function<void(HostEvent)> record_;
};

}  // namespace launcher
