// The selection page and the install run: a compound list such as
// Action2,Action5 becomes the execution list, one checked row per entry,
// and the install button runs the checked entries one after another.
#pragma once

#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CharacterText.h"
#include "core/LauncherView.h"
#include "core/UpperCase.h"
#include "core/SingleAction.h"
#include "core/Startup.h"

namespace launcher {

inline constexpr int kNoticeSeconds = 5;

// The six stages whose pictures the pages show, in their order; a type that
// is none of the first five lights the last.
inline constexpr const char* kStageWords[] = {"DEFINE", "DESIGN", "DEVELOP", "TEST", "DEPLOY", "MANAGE"};
inline constexpr int kStageCount = static_cast<int>(std::size(kStageWords));

// A button's action opens the checklist when it names numbered actions
// ("Action1,Action4"): when it contains "Action" anywhere.
bool IsChecklistAction(const std::string& action);

// The items of a compound list, split at every comma and left untrimmed;
// empty items included.
std::vector<std::string> SplitCompoundList(const std::string& compoundList);
// A value as the disc's optional keys read it: without the spaces around it
// (an item of "1, 3010", a version, a product code).
std::string WithoutSpacesAround(std::string_view text);

// The entry number: the action name with every "Action" removed, letter
// case ignored (Action12 gives 12).
std::string EntryNumberOf(const std::string& action, const UpperCaseFn& upperCase);

// The configured action that a checklist entry names (Action3: entry 2 of
// the table); nothing when its number is no integer or outside the table.
std::optional<int32_t> ActionNumberOf(const std::string& action, size_t tableSize, const UpperCaseFn& upperCase);

// What a numbered action hands the action runner, as a button would.
inline ActionRequest RequestOf(const Actions& record) {
  return ActionRequest{record.Action, record.Assist, record.AssistText, record.Options};
}

// Fills the execution list from a compound list, split at every comma with
// the items untrimmed. Empty items are dropped and items beyond the list's
// length are left out, so that entries 0 to n-1 are filled, each selected,
// with no gap. Returns n.
size_t FillExecutionList(const std::string& compoundList, std::vector<LaunchAct>& entries);

// The execution list without the entries whose components are not offered
// on this machine, the others moved up so that no gap is left.
void LeaveOutNotOffered(std::vector<LaunchAct>& entries, const std::vector<Actions>& table,
                        const UpperCaseFn& upperCase);

// A description as InfoText shows it: backslash and n (either case) become
// LF CR.
std::string DescriptionText(const std::string& description);

// The stage picture a stage word lights: DEFINE 0, DESIGN 1, DEVELOP 2,
// TEST 3, DEPLOY 4, anything else MANAGE 5.
int StageIndexFor(const std::string& stage);

// What each entry of an install run came to: its label and its verdict.
struct InstallRunEntry {
  std::string label;
  Verdict verdict = Verdict::kSucceeded;
  int64_t code = 0;
  bool ran = false;  // `code` is the program's own exit code
};
struct InstallRun {
  std::vector<InstallRunEntry> entries;
  std::string completionText;  // empty when no completion window was shown
};

// The completion window's text: "InstallCompleteMessage"; when the disc
// sets them, "InstallFailedMessage" with the label of every entry that did
// not succeed, and "InstallRestartMessage" when one needs a restart.
std::string CompletionText(const ConfigLookup& config, const std::vector<InstallRunEntry>& entries,
                           const UpperCaseFn& upperCase);

// btnInstallClick after the menu page is in front: each selected entry in
// list order after its notice, then the completion message when any entry
// was taken up. An entry number that is no integer raises LauncherError
// and ends the run; one outside the table is skipped with a message.
InstallRun RunSelection(LauncherHost& host, LauncherView& view, ActionState& state, const ConfigLookup& config,
                        const std::vector<Actions>& table, const std::vector<LaunchAct>& entries);

}  // namespace launcher
