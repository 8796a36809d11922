#include "core/Selection.h"

#include "core/Tokens.h"

namespace launcher {

std::string EntryNumberOf(const std::string& action, const UpperCaseFn& upperCase) {
  return ReplaceIgnoringCase(action, "Action", "", upperCase);
}

size_t FillExecutionList(const std::string& compoundList, std::vector<LaunchAct>& entries) {
  size_t filled = 0;
  size_t start = 0;
  while (filled < entries.size()) {
    const size_t comma = compoundList.find(',', start);
    const std::string item = compoundList.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (!item.empty()) entries[filled++] = LaunchAct{item, true};
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return filled;
}

std::string DescriptionText(const std::string& description) {
  std::string out;
  for (size_t i = 0; i < description.size(); ++i) {
    if (description[i] == '\\' && i + 1 < description.size() && (description[i + 1] == 'n' || description[i + 1] == 'N')) {
      out += "\n\r";
      ++i;
    } else {
      out += description[i];
    }
  }
  return out;
}

int StageIndexFor(const std::string& stage) {
  static const char* const kStages[] = {"DEFINE", "DESIGN", "DEVELOP", "TEST", "DEPLOY"};
  for (int k = 0; k < 5; ++k) {
    if (stage == kStages[k]) return k;
  }
  return 5;
}

void RunSelection(ActionHost& host, ActionState& state, const std::vector<Actions>& table,
                  const std::vector<LaunchAct>& entries) {
  const UpperCaseFn upper = [&host](std::string_view s) { return host.UpperCase(s); };
  const std::string title = host.Config("LauncherTitle");
  int runCount = 0;
  for (const LaunchAct& entry : entries) {
    if (!entry.Selected) continue;
    ++runCount;
    const int32_t number = StrToInt(EntryNumberOf(entry.Action, upper));
    if (number < 1 || static_cast<size_t>(number) > table.size()) {
      host.ShowError("'" + entry.Action + "' names no configured action (there are " + std::to_string(table.size()) +
                     "); it was skipped");
      continue;
    }
    const Actions& record = table[static_cast<size_t>(number - 1)];
    // The carrier: what a button would hand the action runner.
    const ActionRequest carrier{record.Action, record.Assist, record.AssistText};
    host.ShowDelayDialog(title, host.Config("InstallProgressMessage") + "\n\r\n\r" + record.Text, kNoticeSeconds);
    host.ForceForeground();
    SingleAction(host, state, carrier);
  }
  if (runCount > 0) host.ShowInfoDialog(title, WithLineBreaks(host.Config("InstallCompleteMessage"), upper));
  host.ForceForeground();
}

}  // namespace launcher
