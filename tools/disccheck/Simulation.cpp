#include "Simulation.h"

#include <filesystem>

#include "core/ElevatedStart.h"
#include "core/Platform.h"
#include "core/Selection.h"
#include "core/Startup.h"

namespace launcher::disccheck {
namespace {

constexpr char kDrive[] = "D:";  // the simulated root of the disc

bool RegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

Simulation::Simulation(Disc& disc, const std::map<std::string, std::string>& discs) : disc_(disc), discs_(discs) {
  host_.config = disc.Lookup();
  host_.currentDirectory = kDrive;
  host_.codePage = disc.host->CodePage();
  host_.fileExists = [this](const std::string& name) { return FileExists(name); };
  state_.CurrentDiscTitle = disc.host->ToNarrow(disc.host->ToWide(disc.Value("LauncherTitle")) + u" disc");
  state_.LauncherDiscTitle = state_.CurrentDiscTitle;
  state_.ShellLauncher = disc.config.ShellLauncher;
  entries_.resize(disc.table.size());
}

std::optional<std::string> Simulation::DiscPath(const std::string& name) {
  lastTested_ = name;
  // The disc in the drive: the one asked for while a change is pending.
  const std::string title = state_.DiskChangePending ? state_.RequestedDisc : state_.CurrentDiscTitle;
  std::string folder = disc_.folder;
  searchedDisc_.clear();
  if (title != state_.LauncherDiscTitle) {
    auto found = discs_.find(Utf8(disc_, title));
    if (found == discs_.end()) {
      unknownDisc_ = title;
      return std::nullopt;
    }
    folder = found->second;
    searchedDisc_ = title;
  }
  std::string relative = name;
  if (relative.rfind(kDrive, 0) == 0) relative = relative.substr(2);
  while (!relative.empty() && (relative.front() == '\\' || relative.front() == '/')) relative.erase(0, 1);
  if (relative.empty()) return std::nullopt;
  std::string path = DiscFolderHost::SystemPath(folder + "\\" + relative);
  if (!RegularFile(path)) return std::nullopt;
  return path;
}

void Simulation::ExamineProgram(const std::string& commandLine, Outcome& outcome) {
  std::string path;
  const auto start = SplitCommandLine(commandLine, [&](const std::string& name) -> std::optional<std::string> {
    auto found = DiscPath(name);
    if (found) path = *found;
    return found ? std::optional<std::string>(name) : std::nullopt;
  });
  if (!start) return;  // a program of the system's, not on the disc
  outcome.program = start->program;
  if (auto file = OpenPlatformFile(path)) outcome.consent = ConsentNeededBy(*file, start->program);
}

Simulation::Outcome Simulation::Probe(const std::string& action, bool assist, const std::string& assistText) {
  host_.answers = {true};
  host_.events.clear();
  host_.lastCommandLine.clear();
  unknownDisc_.clear();
  SingleAction(host_, state_, ActionRequest{action, assist, assistText});
  Outcome outcome;
  outcome.fileTested = lastTested_;
  outcome.otherDisc = searchedDisc_;
  outcome.unknownDisc = unknownDisc_;
  for (const std::string& event : host_.events) {
    if (event.rfind("retry-cancel:", 0) == 0) outcome.fileFound = false;
    if (event.rfind("error: This action was not started", 0) == 0) outcome.tooLong = event;
  }
  if (outcome.fileFound && !host_.lastCommandLine.empty()) ExamineProgram(host_.lastCommandLine, outcome);
  return outcome;
}

void Simulation::NoteDiscChanges(const ActionState& before) {
  if (state_.CurrentDiscTitle != before.CurrentDiscTitle) Note("disc in the drive: " + state_.CurrentDiscTitle);
  if (state_.DiskChangePending && !before.DiskChangePending) Note("disc change pending: " + state_.RequestedDisc);
}

bool Simulation::Click(int button) {
  if (ended_) return false;
  const MenuButtonTexts texts = MenuButtonFor(disc_.Lookup(), button);
  Note("click button " + std::to_string(button) + ": " + texts.caption);
  if (texts.caption.empty()) {
    Note("(the button is hidden: nothing happens)");
    return true;
  }
  if (texts.action.find("Action") != std::string::npos) {
    for (LaunchAct& entry : entries_) entry = LaunchAct{};
    FillExecutionList(texts.action, entries_);
    Note("page: selection");
    const UpperCaseFn upper = [this](std::string_view s) { return disc_.host->UpperCase(s); };
    int row = 0;
    for (const LaunchAct& entry : entries_) {
      if (entry.Action.empty()) continue;
      const std::string number = EntryNumberOf(entry.Action, upper);
      Note("  row " + std::to_string(++row) + " [x] " + disc_.Value("Text" + number) + " (" + entry.Action + ", " +
           disc_.Value("Type" + number) + ")");
    }
    return true;
  }
  const ActionState before = state_;
  if (SingleAction(host_, state_, ActionRequest{texts.action, false, ""}) == ActionOutcome::kClosing) {
    Note("the launcher ends");
    ended_ = true;
  }
  NoteDiscChanges(before);
  return !ended_;
}

void Simulation::Uncheck(int row) {
  if (row < 1 || static_cast<size_t>(row) > entries_.size() || entries_[static_cast<size_t>(row - 1)].Action.empty()) {
    Note("uncheck row " + std::to_string(row) + ": there is no such row");
    return;
  }
  entries_[static_cast<size_t>(row - 1)].Selected = false;
  Note("uncheck row " + std::to_string(row));
}

void Simulation::Install() {
  if (ended_) return;
  Note("click install");
  Note("page: menu");
  const ActionState before = state_;
  try {
    RunSelection(host_, state_, disc_.table, entries_);
  } catch (const LauncherError& error) {
    host_.ShowError(error.what());
  }
  for (const std::string& event : host_.events) {
    if (event == "close main window") ended_ = true;
  }
  NoteDiscChanges(before);
}

std::vector<std::string> Simulation::Events() const {
  std::vector<std::string> events;
  for (const std::string& event : host_.events) events.push_back(Utf8(disc_, event));
  return events;
}

}  // namespace launcher::disccheck
