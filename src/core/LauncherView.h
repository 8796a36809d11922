// What the launcher asks of its screen: the two pages, the captions of what
// they show, the checklist's rows and the lit stage. The launcher's window
// draws it; disccheck and the tests record it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Utf8.h"

namespace launcher {

enum class LauncherPage { kMenu, kSelection };

// A page's size, the main window's client: a disc's background picture is
// drawn for it.
inline constexpr int kPageWidth = 600, kPageHeight = 400;

// A checklist row: its text, and the description the pointer shows for it
// (line breaks as LF CR), which a screen reader reads for the row.
struct ChecklistRow {
  std::string text;
  std::string description;
  std::string entry;  // the checklist entry it stands for: "Action" N
  bool checked = true;
};

class LauncherView {
 public:
  virtual ~LauncherView() = default;

  // What the disc's texts need of the windows' fonts: an 8-bit disc the
  // character set of its language, a UTF-8 disc a face that Windows links
  // to a font for every script. A right-to-left disc (Arabic, Hebrew,
  // Persian) has every window mirrored and its texts read right to left;
  // its pictures stay as they were drawn.
  virtual void SetScript(uint8_t charset, TextEncoding encoding, bool rightToLeft) = 0;
  // The application title and the main window's caption.
  virtual void SetTitle(const std::string& title) = 0;
  // The selection page's buttons, each sized to its caption, and its labels.
  virtual void SetInstallCaption(const std::string& caption) = 0;
  virtual void SetCancelCaption(const std::string& caption) = 0;
  virtual void SetDialogTitle(const std::string& caption) = 0;
  virtual void SetComponentInfo(const std::string& caption) = 0;
  // Menu button `number` (1 to 11), as wide as `widestText` makes it; a
  // button without a caption is hidden.
  virtual void SetMenuButton(int number, const std::string& caption, const std::string& hint,
                             const std::string& action, const std::string& widestText) = 0;
  // Whether the screen is scaled, so that a disc's high-resolution
  // backgrounds are worth reading.
  virtual bool HighResolution() const = 0;
  // A page's background picture from the disc (JPEG bytes) drawn for
  // `density` times the design scale; false, and the picture before it
  // left in place, when it does not decode.
  virtual bool SetBackground(LauncherPage page, const std::vector<uint8_t>& jpeg, int density) = 0;

  virtual void ShowPage(LauncherPage page) = 0;
  // The checklist: its rows replaced by these, checked as they say.
  virtual void FillRows(const std::vector<ChecklistRow>& rows) = 0;
  virtual int SelectedRow() = 0;  // -1 when none is
  virtual void SelectRow(int row) = 0;
  virtual void SetInfoText(const std::string& text) = 0;
  // Shows or hides the lit picture of stage `index` (0 to 5).
  virtual void SetStageLit(int index, bool lit) = 0;
  // The install run's progress where the taskbar shows one: component k
  // of n under way, in the error state once one has failed; then none.
  virtual void ShowRunProgress(int component, int components, bool failed) = 0;
  virtual void EndRunProgress() = 0;
  // Hides the main window and ends the launcher.
  virtual void CloseMainWindow() = 0;
};

}  // namespace launcher
