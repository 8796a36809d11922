// The selection page: a compound button fills it, pointing at a row shows
// the component and lights its stage, and the install button runs the
// checked rows.
#include "core/Selection.h"
#include "windows/Main.h"

namespace launcher {

void TInstallWindows::InstallButtonClick(TInstallButton& sender) {
  if (sender.ButtonAction().find("Action") != std::string::npos) {
    CompoundAction(sender);
  } else {
    SingleAction(sender);
  }
}

void TInstallWindows::CompoundAction(TInstallButton& sender) {
  InstallChecks->Clear();
  ClearActionExecArray();
  CompoundActionList = sender.ButtonAction();
  FillExecutionList(CompoundActionList, ActionExecArray);
  const UpperCaseFn upper = [this](std::string_view s) { return host_.UpperCase(s); };
  for (const LaunchAct& entry : ActionExecArray) {
    if (entry.Action.empty()) continue;
    InstallChecks->AddItem(ConfigText("Text" + EntryNumberOf(entry.Action, upper)), true);
  }
  Page2->BringToFront();
  InstallChecks->SetItemIndex(0);
}

void TInstallWindows::InstallChecksMouseMove(int x, int y) {
  if (GetFocus() != InstallChecks->Handle()) SetFocus(InstallChecks->Handle());
  const int row = InstallChecks->ItemAtPos(x, y);
  if (row >= 0 && row != InstallChecks->ItemIndex()) InstallChecks->SetItemIndex(row);
  const int selected = InstallChecks->ItemIndex();
  if (selected < 0 || static_cast<size_t>(selected) >= ActionExecArray.size()) return;
  const std::string number =
      EntryNumberOf(ActionExecArray[static_cast<size_t>(selected)].Action, [this](std::string_view s) {
        return host_.UpperCase(s);
      });
  InfoText->SetCaption(DescriptionText(ConfigText("Description" + number)));
  setNeon(ConfigText("Type" + number));
}

void TInstallWindows::setNeon(const std::string& stage) {
  if (stage == CurrentStage) return;
  const int target = StageIndexFor(stage);
  for (int k = 0; k < kStageCount; ++k) {
    const bool lit = k == target;
    if (ActiveImages[k]->Visible() != lit) ActiveImages[k]->SetVisible(lit);
  }
  CurrentStage = stage;
}

void TInstallWindows::InstallChecksClickCheck() {
  const int row = InstallChecks->ItemIndex();
  if (row >= 0 && static_cast<size_t>(row) < ActionExecArray.size()) {
    ActionExecArray[static_cast<size_t>(row)].Selected = InstallChecks->Checked(row);
  }
}

void TInstallWindows::btnCancelClick() { Page1->BringToFront(); }

void TInstallWindows::btnInstallClick() {
  Page1->BringToFront();
  RunSelection(*this, State, ActionTable, ActionExecArray);
}

}  // namespace launcher
