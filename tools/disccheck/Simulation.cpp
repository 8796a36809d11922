#include "Simulation.h"

#include "core/CommandLine.h"
#include "core/Platform.h"
#include "core/Selection.h"

namespace launcher::disccheck {

Simulation::Outcome Simulation::Probe(const ActionRequest& request) {
  ScriptedHost& host = *disc_.host;
  host.answers = {true};
  disc_.unknownDisc.clear();
  const ActionResult result = disc_.session->TryAction(request);
  Outcome outcome;
  outcome.fileFound = !result.fileMissing;
  outcome.fileTested = result.fileTested;
  outcome.otherDisc = disc_.searchedDisc;
  outcome.unknownDisc = disc_.unknownDisc;
  outcome.tooLong = result.tooLong;
  if (outcome.fileFound && !result.commandLine.empty()) ExamineProgram(result.commandLine, outcome);
  host.log.clear();
  host.events.clear();
  eventsTaken_ = 0;
  return outcome;
}

void Simulation::ExamineProgram(const std::string& commandLine, Outcome& outcome) {
  std::string path;
  const auto start = SplitCommandLine(commandLine, [&](const std::string& name) -> std::optional<std::string> {
    const auto found = disc_.DiscPath(name);
    if (!found) return std::nullopt;
    path = *found;
    return name;
  });
  if (!start) return;  // a program of the system's, not on the disc
  outcome.program = start->program;
  if (auto file = OpenPlatformFile(path)) {
    outcome.consent = ConsentNeededBy(*file, start->program);
    outcome.headers = ReadProgramHeaders(*file);
  }
}

void Simulation::RunQuietly(const LauncherArguments& arguments) {
  const int code = disc_.session->RunQuietly(arguments);
  TakeEvents();
  Note("exit code: " + std::to_string(code));
}

void Simulation::TakeEvents() {
  const std::vector<HostEvent>& log = disc_.host->log;
  for (; eventsTaken_ < log.size(); ++eventsTaken_) {
    Note(Describe(log[eventsTaken_]));
    if (log[eventsTaken_].kind == HostEvent::Kind::kCloseMainWindow) ended_ = true;
  }
}

void Simulation::NoteDiscChanges(const ActionState& before) {
  const ActionState& state = disc_.session->State();
  if (state.CurrentDiscTitle != before.CurrentDiscTitle) Note("disc in the drive: " + state.CurrentDiscTitle);
  if (state.DiskChangePending && !before.DiskChangePending) Note("disc change pending: " + state.RequestedDisc);
}

bool Simulation::Click(int button) {
  if (ended_) return false;
  const RecordingView::MenuButton& shown = disc_.view->menuButtons.at(static_cast<size_t>(button));
  Note("click button " + std::to_string(button) + ": " + shown.caption);
  if (!shown.visible) {
    Note("(the button is hidden: nothing happens)");
    return true;
  }
  const ActionState before = disc_.session->State();
  disc_.session->InstallButtonClick(disc_.session->MenuButtonRequest(button, shown.action), shown.caption);
  TakeEvents();
  if (IsChecklistAction(shown.action)) {
    const RecordingView& view = *disc_.view;
    for (size_t row = 0; row < view.rows.size(); ++row) {
      const std::optional<int32_t> number =
          ActionNumberOf(view.rowEntries[row], disc_.Table().size(), disc_.Upper());
      Note("  row " + std::to_string(row + 1) + (view.checked[row] ? " [x] " : " [ ] ") + view.rows[row] + " (" +
           view.rowEntries[row] + ", " + disc_.session->RowStage(row) + ")");
      if (number) lines_.back() += MachineTextNote(disc_, *number);
    }
    return true;
  }
  if (ended_) Note("the launcher ends");
  NoteDiscChanges(before);
  return !ended_;
}

void Simulation::Uncheck(int row) {
  if (row < 1 || static_cast<size_t>(row) > disc_.view->rows.size()) {
    Note("uncheck row " + std::to_string(row) + ": there is no such row");
    return;
  }
  disc_.session->InstallChecksClickCheck(row - 1, false);
  Note("uncheck row " + std::to_string(row));
}

void Simulation::Install() {
  if (ended_) return;
  Note("click install");
  const ActionState before = disc_.session->State();
  try {
    disc_.session->btnInstallClick();
  } catch (const LauncherError& error) {
    disc_.host->ShowError(error.what());  // the launcher's error box
  }
  TakeEvents();
  NoteDiscChanges(before);
}

}  // namespace launcher::disccheck
