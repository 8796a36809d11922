// An action text of any content, run as a menu button's action and as a
// checklist, by the launcher's own action runner against a scripted host;
// the input's first byte also chooses how the launcher waits (for every
// program, for a busy Windows Installer, with starts that end with 1618)
// and whether a close is asked for during the run.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/RecordingView.h"
#include "sim/ScriptedHost.h"
#include "core/Selection.h"
#include "core/SingleAction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  launcher::ScriptedHost host;
  // The text as the launcher holds it, UTF-8 (well-formed or not); half the
  // inputs compare letter case as a UTF-8 disc does, half as an 8-bit disc
  // of a Western or a Japanese system.
  host.discTexts = size > 0 && (data[0] & 1) ? launcher::TextEncoding::kUtf8 : launcher::TextEncoding::kSystemCodePage;
  host.codePage = size > 0 && (data[0] & 128) ? 932 : 1252;
  host.configuration = {{"FileNotFoundDiskText", "<br>disk was not found"}};
  host.fileExists = [](const std::string& name) { return name.size() % 2 == 0; };
  host.answers = {true, true, false};
  const uint8_t switches = size > 0 ? data[0] : 0;
  launcher::ActionState state;
  state.CurrentDiscTitle = state.LauncherDiscTitle = "Disc";
  state.WaitForWindowsInstaller = switches & 2;
  if (switches & 4) host.startResult = launcher::kExitInstallerBusy;
  if (switches & 8) host.installerBusySeconds = {3, 0, 1};
  if (switches & 16) host.closeRequestedFromStart = 1;
  launcher::ActionOptions options;
  options.WaitForAll = switches & 32;
  options.CancelCodes = {1};
  if (switches & 64) options.Check = text;
  launcher::SingleAction(host, state, host.Config(), launcher::ActionRequest{text, size % 3 == 0, "-q", options});

  std::vector<launcher::Actions> table(3, launcher::Actions{text, "label", "", false, "", options});
  std::vector<launcher::LaunchAct> entries(3);
  launcher::FillExecutionList(text, entries);
  try {
    launcher::RecordingView view;
    launcher::RunSelection(host, view, state, host.Config(), table, entries);
  } catch (const launcher::LauncherError&) {
  }
  return 0;
}
