#include "core/LauncherSession.h"

#include "core/Installed.h"
#include "core/Machine.h"

#include <algorithm>

#include "core/QuietRun.h"
#include "core/Selection.h"
#include "core/Tokens.h"

namespace launcher {

std::string LauncherSession::ConfigText(const std::string& key) const {
  if (lookupWatcher_) lookupWatcher_(key);
  return settings_.ConfigStrings ? settings_.ConfigStrings->Get(key) : std::string();
}

ConfigLookup LauncherSession::Config() const {
  return [this](const std::string& key) { return ConfigText(key); };
}

void LauncherSession::FormCreate() {
  // However start-up ends, nothing stays open on the disc: it may be taken
  // out while the launcher asks for the next one.
  struct ArchiveCloser {
    ZipArchive& archive;
    ~ArchiveCloser() { archive.Close(); }
  } closer{InstallJar};
  GetConfig(host_, InstallJar, settings_, preferredLanguage_);
  view_.SetScript(settings_.Charset, settings_.Encoding, OptionalSwitch(ConfigText("RightToLeft")));
  machine_ = host_.ThisMachine();
  LogStartup();
  const ConfigLookup config = Config();

  actionTotal_ = ReadActionTotal(config);
  const size_t entries = TableSize(actionTotal_);
  actionTable_.assign(entries, Actions{});
  actionExecArray_.assign(entries, LaunchAct{});
  ClearActionExecArray();

  state_.DiskChangePending = false;
  currentStage_.clear();
  // The launcher's own disc is called by its title and " disc".
  state_.CurrentDiscTitle = ConfigText("LauncherTitle") + " disc";
  state_.LauncherDiscTitle = state_.CurrentDiscTitle;
  state_.ShellLauncher = settings_.ShellLauncher;
  state_.WaitForWindowsInstaller = OptionalSwitch(config("WaitForWindowsInstaller"));
  view_.SetTitle(config("LauncherTitle"));
  partnerCode_ = config("LauncherPartner");

  view_.SetInstallCaption(config("InstallDialiogInstallButton"));
  view_.SetCancelCaption(config("InstallDialiogCancelButton"));
  view_.SetDialogTitle(config("InstallDialiogTitle"));
  view_.SetComponentInfo(config("InstallDialiogComponentInfo"));
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const MenuButtonTexts texts = MenuButtonOn(machine_, config, n);
    buttonOptions_[static_cast<size_t>(n)] = texts.options;
    const bool installed =
        !texts.caption.empty() && IsInstalled(host_, config("Button" + std::to_string(n) + "Installed"));
    view_.SetMenuButton(n, installed ? WithInstalledText(texts.caption, config("InstalledText")) : texts.caption,
                        texts.hint, texts.action, settings_.LongestButtonText);
  }

  FillActionTable(config, actionTable_);
  FitToMachine(machine_, config, actionTable_);

  ShowBackground(LauncherPage::kMenu, MenuBackgroundMember(partnerCode_));
  ShowBackground(LauncherPage::kSelection, SelectionBackgroundMember(partnerCode_));
  InstallJar.Close();  // before the rest of start-up, as the launcher always has

  for (int k = 0; k < kStageCount; ++k) view_.SetStageLit(k, false);
  view_.ShowPage(LauncherPage::kMenu);
}

// A scaled screen takes the disc's high-resolution background where it has
// one that decodes, else the ordinary one. A background that is missing or
// cannot be extracted leaves the designed picture in place: the menu still
// works without it.
void LauncherSession::ShowBackground(LauncherPage page, const std::string& member) {
  if (view_.HighResolution() && ShowBackgroundMember(page, HighResolutionMember(member), kHighResolutionDensity)) {
    return;
  }
  ShowBackgroundMember(page, member, 1);
}

bool LauncherSession::ShowBackgroundMember(LauncherPage page, const std::string& member, int density) {
  try {
    if (const std::optional<std::vector<uint8_t>> bytes = InstallJar.Extract(member)) {
      return view_.SetBackground(page, *bytes, density);
    }
  } catch (const ArchiveError&) {
  }
  return false;
}

void LauncherSession::ClearActionExecArray() {
  for (LaunchAct& entry : actionExecArray_) entry = LaunchAct{};
}

void LauncherSession::LogStartup() {
  std::string languages, tried;
  for (const std::string& language : settings_.Languages) languages += " " + language;
  for (const std::string& member : settings_.MembersTried) tried += " " + member;
  host_.Log("start-up: directory " + ReturnCurrentDirectory(host_) + ", languages" + languages + ", section " +
            settings_.ConfigSection + ", " + settings_.PropertiesMember + " with " +
            std::to_string(settings_.Entries.size()) + " keys in " + EncodingName(settings_.Encoding));
  if (!tried.empty()) host_.Log("language: not on the disc:" + tried);
  host_.Log("machine: " + ProcessorName(machine_.processor) + ", Windows " + VersionText(machine_.windows));
}

ActionResult LauncherSession::InstallButtonClick(const ActionRequest& sender, const std::string& caption) {
  host_.Log("click: menu button " + caption + " -> " + sender.ButtonAction);
  if (IsChecklistAction(sender.ButtonAction)) {
    CompoundAction(sender.ButtonAction);
    return ActionResult{};
  }
  const ActionResult result = RunAction(sender);
  // Messages and the exit action have nothing to report unless they failed.
  if (!result.commandLine.empty() || result.verdict != Verdict::kSucceeded) {
    host_.Outcome(caption, result.verdict, result.code);
  }
  ReportSingleAction(result, caption);
  return result;
}

ActionResult LauncherSession::RunAction(const ActionRequest& request) {
  const ActionResult result = SingleAction(host_, state_, Config(), request);
  if (result.outcome == ActionOutcome::kClosing) view_.CloseMainWindow();
  return result;
}

ActionRequest LauncherSession::MenuButtonRequest(int number, const std::string& action) const {
  ActionRequest request{action, false, "", {}};
  if (number >= 1 && number <= kMenuButtonCount) request.Options = buttonOptions_[static_cast<size_t>(number)];
  return request;
}

int LauncherSession::BadArguments(const std::string& why) {
  host_.Log("unattended: " + why + ": exit code " + std::to_string(kExitBadArguments));
  return kExitBadArguments;
}

bool LauncherSession::IsRunnableList(const std::string& list) {
  if (!IsChecklistAction(list)) return false;
  const UpperCaseFn upper = [this](std::string_view s) { return host_.UpperCase(s); };
  bool any = false;
  for (const std::string& item : SplitCompoundList(list)) {
    if (item.empty()) continue;  // left out, as the checklist leaves them out
    if (!ActionNumberOf(item, actionTable_.size(), upper)) return false;
    any = true;
  }
  return any;
}

int LauncherSession::RunQuietly(const LauncherArguments& arguments) {
  state_.Quiet = true;
  if (arguments.button.has_value() == arguments.runList.has_value()) {
    return BadArguments("give either /button N or /run LIST");
  }
  std::string list;
  std::vector<InstallRunEntry> entries;
  if (arguments.button) {
    const std::string& written = *arguments.button;
    const bool digits = !written.empty() && written.size() <= 2 &&
                        std::all_of(written.begin(), written.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int number = digits ? std::stoi(written) : 0;
    if (number < 1 || number > kMenuButtonCount) return BadArguments("there is no menu button " + written);
    const MenuButtonTexts texts = MenuButtonOn(machine_, Config(), number);
    if (texts.caption.empty() && !MenuButtonFor(Config(), number).caption.empty()) {
      host_.Log("unattended: menu button " + written + " is not offered on this machine: nothing to run");
      return QuietExitCode({});
    }
    if (texts.caption.empty()) return BadArguments("menu button " + written + " has no text");
    host_.Log("unattended: menu button " + texts.caption + " -> " + texts.action);
    if (IsChecklistAction(texts.action)) {
      list = texts.action;
    } else {
      const ActionResult result = RunAction(MenuButtonRequest(number, texts.action));
      entries.push_back({texts.caption, result.verdict, result.code, result.ran});
      host_.Outcome(texts.caption, result.verdict, result.code);
    }
  } else {
    list = *arguments.runList;
    host_.Log("unattended: run " + list);
  }
  if (!list.empty()) {
    if (!IsRunnableList(list)) return BadArguments("'" + list + "' is no list of the disc's actions");
    ClearActionExecArray();
    FillExecutionList(list, actionExecArray_);
    entries = RunSelection(host_, view_, state_, Config(), actionTable_, actionExecArray_).entries;
  }
  const int code = QuietExitCode(entries);
  host_.Log("unattended: exit code " + std::to_string(code));
  return code;
}

void LauncherSession::ReportSingleAction(const ActionResult& result, const std::string& caption) {
  const char* key = result.verdict == Verdict::kFailed ? "InstallFailedMessage"
                    : NeedsRestart(result.verdict)     ? "InstallRestartMessage"
                                                       : nullptr;
  const std::string message = key ? ConfigText(key) : std::string();
  if (message.empty()) return;
  const UpperCaseFn upper = [this](std::string_view s) { return host_.UpperCase(s); };
  host_.ShowInfoDialog(ConfigText("LauncherTitle"),
                       WithLineBreaks(message, upper) + "\n\r" + caption);
  host_.ForceForeground();
}

void LauncherSession::CompoundAction(const std::string& compoundList) {
  ClearActionExecArray();
  compoundActionList_ = compoundList;
  FillExecutionList(compoundActionList_, actionExecArray_);
  LeaveOutNotOffered(actionExecArray_, actionTable_, [this](std::string_view s) { return host_.UpperCase(s); });
  ShowChecklistRows();
  view_.ShowPage(LauncherPage::kSelection);
  view_.SelectRow(0);
}

// Each row checked unless its component is installed, whose label then
// says so.
void LauncherSession::ShowChecklistRows() {
  std::vector<ChecklistRow> rows;
  for (size_t row = 0; row < actionExecArray_.size(); ++row) {
    if (actionExecArray_[row].Action.empty()) continue;
    const std::string number = RowEntryNumber(row);
    const bool installed = IsInstalled(host_, ConfigText("Installed" + number));
    actionExecArray_[row].Selected = !installed;
    const std::string label = ConfigText("Text" + number);
    rows.push_back({installed ? WithInstalledText(label, ConfigText("InstalledText")) : label,
                    DescriptionText(ConfigText("Description" + number)), actionExecArray_[row].Action,
                    !installed});
  }
  view_.FillRows(rows);
}

bool LauncherSession::ChecklistDetects() {
  for (size_t row = 0; row < actionExecArray_.size(); ++row) {
    if (!actionExecArray_[row].Action.empty() && !ConfigText("Installed" + RowEntryNumber(row)).empty()) return true;
  }
  return false;
}

std::string LauncherSession::RowEntryNumber(size_t row) {
  return EntryNumberOf(actionExecArray_[row].Action, [this](std::string_view s) { return host_.UpperCase(s); });
}

void LauncherSession::InstallChecksMouseMove(int row) {
  if (row >= 0 && row != view_.SelectedRow()) view_.SelectRow(row);
  const int selected = view_.SelectedRow();
  if (selected < 0 || static_cast<size_t>(selected) >= actionExecArray_.size()) return;
  const std::string number = RowEntryNumber(static_cast<size_t>(selected));
  view_.SetInfoText(DescriptionText(ConfigText("Description" + number)));
  setNeon(RowStage(static_cast<size_t>(selected)));
}

std::string LauncherSession::RowStage(size_t row) { return ConfigText("Type" + RowEntryNumber(row)); }

void LauncherSession::setNeon(const std::string& stage) {
  if (stage == currentStage_) return;
  const int target = StageIndexFor(stage);
  for (int k = 0; k < kStageCount; ++k) view_.SetStageLit(k, k == target);
  currentStage_ = stage;
}

void LauncherSession::InstallChecksClickCheck(int row, bool checked) {
  if (row >= 0 && static_cast<size_t>(row) < actionExecArray_.size()) {
    actionExecArray_[static_cast<size_t>(row)].Selected = checked;
  }
}

void LauncherSession::btnCancelClick() {
  host_.Log("click: cancel");
  view_.ShowPage(LauncherPage::kMenu);
}

void LauncherSession::btnInstallClick() {
  host_.Log("click: install");
  view_.ShowPage(LauncherPage::kMenu);
  RunSelection(host_, view_, state_, Config(), actionTable_, actionExecArray_);
  // The rows show what the run achieved, where the disc says how to tell.
  if (ChecklistDetects()) ShowChecklistRows();
}

}  // namespace launcher
