#include "core/Selection.h"

#include "core/Installed.h"

#include <algorithm>

#include "core/Tokens.h"

namespace launcher {

std::string EntryNumberOf(const std::string& action, const UpperCaseFn& upperCase) {
  return ReplaceIgnoringCase(action, "Action", "", upperCase);
}

std::optional<int32_t> ActionNumberOf(const std::string& action, size_t tableSize, const UpperCaseFn& upperCase) {
  try {
    const int32_t number = StrToInt(EntryNumberOf(action, upperCase));
    if (number >= 1 && static_cast<size_t>(number) <= tableSize) return number;
  } catch (const LauncherError&) {
  }
  return std::nullopt;
}

bool IsChecklistAction(const std::string& action) { return ContainsText(action, "Action"); }

std::vector<std::string> SplitCompoundList(const std::string& compoundList) {
  std::vector<std::string> items;
  for (size_t start = 0;;) {
    const size_t comma = FindText(compoundList, ",", start);
    items.push_back(compoundList.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}

size_t FillExecutionList(const std::string& compoundList, std::vector<LaunchAct>& entries) {
  size_t filled = 0;
  for (const std::string& item : SplitCompoundList(compoundList)) {
    if (filled == entries.size()) break;
    if (!item.empty()) entries[filled++] = LaunchAct{item, true};
  }
  return filled;
}

void LeaveOutNotOffered(std::vector<LaunchAct>& entries, const std::vector<Actions>& table,
                        const UpperCaseFn& upperCase) {
  size_t kept = 0;
  for (const LaunchAct& entry : entries) {
    const std::optional<int32_t> number = ActionNumberOf(entry.Action, table.size(), upperCase);
    if (!number || table[static_cast<size_t>(*number - 1)].Offered) entries[kept++] = entry;
  }
  std::fill(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end(), LaunchAct{});
}

std::string WithoutSpacesAround(std::string_view text) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first, last - first + 1));
}

std::string DescriptionText(const std::string& description) {
  std::string out;
  for (size_t i = 0; i < description.size();) {
    const size_t next = NextCharacter(description, i);
    if (description[i] == '\\' && next < description.size() && (description[next] == 'n' || description[next] == 'N')) {
      out += "\n\r";
      i = next + 1;
    } else {
      out.append(description, i, next - i);
      i = next;
    }
  }
  return out;
}

int StageIndexFor(const std::string& stage) {
  for (int k = 0; k < kStageCount - 1; ++k) {
    if (stage == kStageWords[k]) return k;
  }
  return kStageCount - 1;
}

std::string CompletionText(const ConfigLookup& config, const std::vector<InstallRunEntry>& entries,
                           const UpperCaseFn& upperCase) {
  std::string text = WithLineBreaks(config("InstallCompleteMessage"), upperCase);
  const std::string failedMessage = config("InstallFailedMessage");
  const std::string restartMessage = config("InstallRestartMessage");
  auto any = [&entries](auto test) { return std::any_of(entries.begin(), entries.end(), test); };
  const bool notInstalled = any([](const InstallRunEntry& e) { return !Succeeded(e.verdict); });
  if (!failedMessage.empty() && notInstalled) {
    text += "\n\r\n\r" + WithLineBreaks(failedMessage, upperCase);
    for (const InstallRunEntry& entry : entries) {
      if (!Succeeded(entry.verdict)) text += "\n\r" + entry.label;
    }
  }
  const bool restart = any([](const InstallRunEntry& e) { return NeedsRestart(e.verdict); });
  if (!restartMessage.empty() && restart) text += "\n\r\n\r" + WithLineBreaks(restartMessage, upperCase);
  return text;
}

InstallRun RunSelection(LauncherHost& host, LauncherView& view, ActionState& state, const ConfigLookup& config,
                        const std::vector<Actions>& table, const std::vector<LaunchAct>& entries) {
  const UpperCaseFn upper = [&host](std::string_view s) { return host.UpperCase(s); };
  const std::string title = config("LauncherTitle");
  InstallRun run;
  const int components = static_cast<int>(
      std::count_if(entries.begin(), entries.end(), [](const LaunchAct& e) { return e.Selected; }));
  int component = 0;
  bool anyFailed = false;
  // The taskbar shows the run's progress until it ends, however it ends.
  struct ProgressShown {
    LauncherView& view;
    ~ProgressShown() { view.EndRunProgress(); }
  } progress{view};
  for (size_t row = 0; row < entries.size(); ++row) {
    const LaunchAct& entry = entries[row];
    if (!entry.Selected) continue;
    const int32_t number = StrToInt(EntryNumberOf(entry.Action, upper));
    view.SelectRow(static_cast<int>(row));  // a screen reader reads which component runs
    view.ShowRunProgress(++component, components, anyFailed);
    // Asked to close while a component ran or its notice showed: the rest
    // are not started, and the completion message still says what was
    // installed.
    auto closing = [&](const std::string& label) {
      if (!host.CloseRequested()) return false;
      run.entries.push_back({label, Verdict::kCancelled, 0});
      host.Log("not started: " + label + " (the launcher was asked to close)");
      host.Outcome(label, Verdict::kCancelled, 0);
      return true;
    };
    const bool known = number >= 1 && static_cast<size_t>(number) <= table.size();
    if (closing(known ? table[static_cast<size_t>(number - 1)].Text : entry.Action)) continue;
    if (!known) {
      run.entries.push_back({entry.Action, Verdict::kFailed, 0});
      host.ShowError("'" + entry.Action + "' names no configured action (there are " + std::to_string(table.size()) +
                     "); it was skipped");
      continue;
    }
    const Actions& record = table[static_cast<size_t>(number - 1)];
    if (!record.Offered) {
      host.Log("skipped: " + record.Text + " (not offered on this machine)");
      continue;
    }
    if (state.Quiet && IsInstalled(host, record.Installed)) {
      host.Log("skipped: " + record.Text + " (already installed)");
      run.entries.push_back({record.Text, Verdict::kSucceeded, 0});
      host.Outcome(record.Text, Verdict::kSucceeded, 0);
      continue;
    }
    if (!state.Quiet) {
      host.ShowDelayDialog(title, config("InstallProgressMessage") + "\n\r\n\r" + record.Text, kNoticeSeconds);
      host.ForceForeground();
    }
    if (closing(record.Text)) continue;
    const ActionResult result = SingleAction(host, state, config, RequestOf(record));
    if (result.outcome == ActionOutcome::kClosing) view.CloseMainWindow();
    run.entries.push_back({record.Text, result.verdict, result.code, result.ran});
    host.Outcome(record.Text, result.verdict, result.code);
    anyFailed |= result.verdict == Verdict::kFailed;
    view.ShowRunProgress(component, components, anyFailed);
    // Unattended, the exit action ends the run.
    if (state.Quiet && result.outcome == ActionOutcome::kClosing) break;
  }
  if (state.Quiet) return run;
  if (!run.entries.empty()) {
    run.completionText = CompletionText(config, run.entries, upper);
    host.ShowInfoDialog(title, run.completionText);
  }
  host.ForceForeground();
  return run;
}

}  // namespace launcher
