// One run of the launcher, from the configuration it loads at start to the
// last click: everything the launcher decides, over the system it runs on
// (LauncherHost) and the screen it shows (LauncherView). The launcher's
// window forwards its events here and draws what the session says;
// disccheck runs the same session on a disc folder with a script and a
// recording, so that it tells what the launcher does by construction.
#pragma once

#include <array>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/Arguments.h"
#include "core/Config.h"
#include "core/LauncherHost.h"
#include "core/LauncherView.h"
#include "core/SingleAction.h"
#include "core/Startup.h"

namespace launcher {

class LauncherSession {
 public:
  LauncherSession(LauncherHost& host, LauncherView& view) : host_(host), view_(view) {}
  LauncherSession(const LauncherSession&) = delete;
  LauncherSession& operator=(const LauncherSession&) = delete;

  // The configuration-dependent part of start-up: loads the configuration
  // and sets the pages up from it, step by step, ending with the menu page
  // in front. A start-up error propagates (LauncherError, ArchiveError) and
  // leaves what was set before it set.
  void FormCreate();
  // The language an author asked to see first ("/lang TAG"), before start-up.
  void PreferLanguage(std::optional<std::string> tag) { preferredLanguage_ = std::move(tag); }

  // The value of a configuration key; empty when missing.
  std::string ConfigText(const std::string& key) const;
  ConfigLookup Config() const;
  // Told every key the session looks up, from start-up on: every reading
  // of the configuration goes through ConfigText, so that the list of keys
  // the disc author's tool checks can be held to what the launcher reads.
  void WatchLookups(std::function<void(const std::string&)> watcher) { lookupWatcher_ = std::move(watcher); }

  // A menu button (or any sender carrying an action) was clicked: a
  // checklist opens the selection page, anything else runs at once. The
  // caption names the button in the failure and restart notices.
  ActionResult InstallButtonClick(const ActionRequest& sender, const std::string& caption = {});
  // What menu button `number` (1 to 11) hands the action runner: the action
  // it shows, and its option keys.
  ActionRequest MenuButtonRequest(int number, const std::string& action) const;
  // The unattended run after start-up: menu button N's action ("/button N";
  // a checklist runs every entry) or a checklist of the disc's own form
  // ("/run Action1,Action3"), with nothing asked or shown; its exit code
  // (QuietRun.h), 87 for arguments that name nothing to run.
  int RunQuietly(const LauncherArguments& arguments);
  void CompoundAction(const std::string& compoundList);
  // The pointer is over checklist row `row` (-1: no row): that row is
  // selected, its description shown and its stage lit.
  void InstallChecksMouseMove(int row);
  void setNeon(const std::string& stage);
  // The stage (its Type) of the entry on checklist row `row`.
  std::string RowStage(size_t row);
  // Row `row`'s check box now says `checked`.
  void InstallChecksClickCheck(int row, bool checked);
  void btnCancelClick();
  void btnInstallClick();

  void ClearActionExecArray();
  // Whether install.jar is still open; after start-up it never is.
  bool ArchiveOpen() const { return InstallJar.IsOpen(); }

  // Runs an action as a click would, then puts the disc state back: how a
  // disc author's tool sees what an action does without doing it twice.
  // (Defined here so that the launcher, which never calls it, does not
  // carry it.)
  ActionResult TryAction(const ActionRequest& request) {
    // The disc state changes while the action runs (a disc asked for is
    // the one in the drive), and goes back whatever the action ended with.
    struct StateRestorer {
      ActionState& state;
      const ActionState saved;
      ~StateRestorer() { state = saved; }
    } restorer{state_, state_};
    return RunAction(request);
  }

  // The state start-up sets up, for the actions and the selection page.
  const Configuration& Settings() const { return settings_; }
  int32_t ActionTotal() const { return actionTotal_; }
  const std::vector<Actions>& ActionTable() const { return actionTable_; }
  const std::vector<LaunchAct>& ActionExecArray() const { return actionExecArray_; }
  const ActionState& State() const { return state_; }

 private:
  // The entry number of the action on checklist row `row`.
  std::string RowEntryNumber(size_t row);
  // The checklist's rows from the execution list, checked by what is installed.
  void ShowChecklistRows();
  // Whether a row's component says how to tell that it is installed.
  bool ChecklistDetects();
  void ShowBackground(LauncherPage page, const std::string& member);
  bool ShowBackgroundMember(LauncherPage page, const std::string& member, int density);
  void LogStartup();
  // Tells the user about a menu action that failed or needs a restart, when
  // the disc has words for it.
  // The action runner's run of `request`; the exit action closes the window.
  ActionResult RunAction(const ActionRequest& request);
  void ReportSingleAction(const ActionResult& result, const std::string& caption);
  // 87, with the reason in the log.
  int BadArguments(const std::string& why);
  // Whether the list is a checklist whose every item names a configured action.
  bool IsRunnableList(const std::string& list);

  LauncherHost& host_;
  LauncherView& view_;
  std::function<void(const std::string&)> lookupWatcher_;
  std::optional<std::string> preferredLanguage_;
  Configuration settings_;  // ConfigStrings, LongestButtonText, ShellLauncher, ...
  int32_t actionTotal_ = 0;
  std::vector<Actions> actionTable_;
  std::vector<LaunchAct> actionExecArray_;
  std::string partnerCode_;
  Machine machine_;  // what Windows said at start
  // DiskChangePending, RequestedDisc, CurrentDiscTitle, LauncherDiscTitle and
  // what the registry said.
  ActionState state_;
  std::string compoundActionList_;
  std::string currentStage_;
  ZipArchive InstallJar;
  // The option keys of "Button" N, by button number.
  std::array<ActionOptions, kMenuButtonCount + 1> buttonOptions_{};
};

}  // namespace launcher
