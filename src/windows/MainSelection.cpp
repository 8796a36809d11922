// The events of both pages, forwarded to the session: a menu button's
// click, the pointer over the checklist; and the checklist's rows.
#include "windows/Main.h"

namespace launcher {

void TInstallWindows::InstallButtonClick(int number) {
  TInstallButton& sender = *InstallButton[static_cast<size_t>(number)];
  menuOpener_ = &sender;
  const ActionRequest request = session_.MenuButtonRequest(number, ButtonAction[static_cast<size_t>(number)]);
  // After the exit action the button must not react to its own release.
  if (session_.InstallButtonClick(request, sender.Caption()).outcome == ActionOutcome::kClosing) sender.Freeze();
}

void TInstallWindows::InstallChecksMouseMove(int x, int y) {
  if (GetFocus() != InstallChecks->Handle()) SetFocus(InstallChecks->Handle());
  session_.InstallChecksMouseMove(InstallChecks->ItemAtPos(x, y));
}

void TInstallWindows::FillRows(const std::vector<ChecklistRow>& rows) {
  InstallChecks->Clear();
  for (const ChecklistRow& row : rows) {
    InstallChecks->AddItem(row.text, row.checked, AsDrawnLineBreaks(row.description));
  }
}

}  // namespace launcher
