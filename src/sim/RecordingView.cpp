#include "sim/RecordingView.h"

#include "image/Jpeg.h"

namespace launcher {

void RecordingView::SetMenuButton(int number, const std::string& caption, const std::string& hint,
                                  const std::string& action, const std::string& widestText) {
  menuButtons.at(static_cast<size_t>(number)) = MenuButton{caption, hint, action, widestText, !caption.empty()};
}

bool RecordingView::SetBackground(LauncherPage target, const std::vector<uint8_t>& jpeg, int density) {
  // As the launcher's window, it shows only a picture that decodes.
  if (!DecodeJpeg(jpeg.data(), jpeg.size()).ok) return false;
  const bool menu = target == LauncherPage::kMenu;
  (menu ? menuBackground : selectionBackground) = jpeg;
  (menu ? menuDensity : selectionDensity) = density;
  return true;
}

void RecordingView::ShowPage(LauncherPage shown) {
  page = shown;
  if (record_) record_(HostEvent::Page(shown));
}

void RecordingView::CloseMainWindow() {
  if (record_) record_(HostEvent::Of(HostEvent::Kind::kCloseMainWindow));
}

void RecordingView::FillRows(const std::vector<ChecklistRow>& filled) {
  rows.clear();
  rowDescriptions.clear();
  rowEntries.clear();
  checked.clear();
  for (const ChecklistRow& row : filled) {
    rows.push_back(row.text);
    rowDescriptions.push_back(row.description);
    rowEntries.push_back(row.entry);
    checked.push_back(row.checked);
  }
  selectedRow = -1;
}

void RecordingView::SelectRow(int row) {
  // A list box selects only rows it has.
  selectedRow = row >= 0 && static_cast<size_t>(row) < rows.size() ? row : -1;
}

}  // namespace launcher
