#include "core/Selection.h"

#include "core/Tokens.h"

namespace launcher {

std::string EntryNumberOf(const std::string& action, const UpperCaseFn& upperCase, const LeadBytes& lead) {
  return ReplaceIgnoringCase(action, "Action", "", upperCase, lead);
}

bool IsChecklistAction(const std::string& action, const LeadBytes& lead) { return ContainsText(action, "Action", lead); }

std::vector<std::string> SplitCompoundList(const std::string& compoundList, const LeadBytes& lead) {
  std::vector<std::string> items;
  for (size_t start = 0;;) {
    const size_t comma = FindText(compoundList, ",", lead, start);
    items.push_back(compoundList.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}

size_t FillExecutionList(const std::string& compoundList, std::vector<LaunchAct>& entries, const LeadBytes& lead) {
  size_t filled = 0;
  for (const std::string& item : SplitCompoundList(compoundList, lead)) {
    if (filled == entries.size()) break;
    if (!item.empty()) entries[filled++] = LaunchAct{item, true};
  }
  return filled;
}

std::string DescriptionText(const std::string& description, const LeadBytes& lead) {
  std::string out;
  for (size_t i = 0; i < description.size();) {
    const size_t next = lead.Next(description, i);
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

void RunSelection(LauncherHost& host, ActionState& state, const ConfigLookup& config,
                  const std::vector<Actions>& table, const std::vector<LaunchAct>& entries) {
  const UpperCaseFn upper = [&host](std::string_view s) { return host.UpperCase(s); };
  const LeadBytes lead = host.CodePageLeadBytes();
  const std::string title = config("LauncherTitle");
  int runCount = 0;
  for (const LaunchAct& entry : entries) {
    if (!entry.Selected) continue;
    ++runCount;
    const int32_t number = StrToInt(EntryNumberOf(entry.Action, upper, lead));
    if (number < 1 || static_cast<size_t>(number) > table.size()) {
      host.ShowError("'" + entry.Action + "' names no configured action (there are " + std::to_string(table.size()) +
                     "); it was skipped");
      continue;
    }
    const Actions& record = table[static_cast<size_t>(number - 1)];
    // The carrier: what a button would hand the action runner.
    const ActionRequest carrier{record.Action, record.Assist, record.AssistText};
    host.ShowDelayDialog(title, config("InstallProgressMessage") + "\n\r\n\r" + record.Text, kNoticeSeconds);
    host.ForceForeground();
    SingleAction(host, state, config, carrier);
  }
  if (runCount > 0) host.ShowInfoDialog(title, WithLineBreaks(config("InstallCompleteMessage"), upper, lead));
  host.ForceForeground();
}

}  // namespace launcher
