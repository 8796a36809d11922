// What start-up makes of the configuration: the number of actions, the
// action table and the menu buttons' texts. Errors are LauncherError, with
// the texts the launcher shows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/LauncherError.h"

namespace launcher {

// What a disc says of an action beyond its text, in the same keys for a
// numbered action (suffix N) and a menu button (prefix "Button" N); each is
// optional, and a disc without them behaves as it always has.
struct ActionOptions {
  bool WaitForAll = false;            // the launcher waits for every program the started one starts
  std::string Check;                  // the file to test instead of the one the text names; "\\" tests none
  std::vector<int32_t> SuccessCodes;  // exit codes that succeed besides 0
  std::vector<int32_t> CancelCodes;   // exit codes that say the user cancelled
};

// One configured action (Action1 is entry 0 of the table).
struct Actions {
  std::string Action;
  std::string Text;
  std::string Description;
  bool Assist = false;
  std::string AssistText;
  ActionOptions Options = {};
  // On this machine (FitToMachine): whether it is offered, and how it says
  // it is installed ("Installed" N; empty: it does not say).
  bool Offered = true;
  std::string Installed = {};
};

// One entry of the selection page's execution list.
struct LaunchAct {
  std::string Action;
  bool Selected = false;
};

// A configuration value (UTF-8); empty for a missing key.
using ConfigLookup = std::function<std::string(const std::string& key)>;

// The option keys of an action, named `prefix` + key + `suffix`: a code
// list that is no list counts as none (disccheck says so).
inline constexpr const char* kActionOptionKeys[] = {"WaitForAll", "Check", "SuccessCodes", "CancelCodes"};
ActionOptions ReadActionOptions(const ConfigLookup& config, const std::string& prefix, const std::string& suffix);

inline constexpr int kMenuButtonCount = 11;

// A decimal integer as the launcher reads "ActionTotal"; anything else
// raises "'%s' is not a valid integer value".
int32_t StrToInt(const std::string& text);
// "True" or "False" in any letter case, or a number (not zero is true);
// anything else raises "'%s' is not a valid boolean value".
bool StrToBool(const std::string& text);
// An optional switch of the disc ("WaitForAll" N and the like): true only
// for a value StrToBool reads as true; missing or not a boolean is false,
// so that a disc without it behaves as it always has.
bool OptionalSwitch(const std::string& text);
// Whether StrToBool reads the text at all.
bool IsBooleanText(const std::string& text);

// "ActionTotal" as a table size: not a number raises the integer error,
// a negative number "Range check error".
int32_t ReadActionTotal(const ConfigLookup& config);
size_t TableSize(int32_t actionTotal);

// Fills the table entry by entry from "Action" N, "Text" N, "Description" N,
// "Assist" N, "AssistText" N and the option keys; an error leaves the
// earlier entries filled.
void FillActionTable(const ConfigLookup& config, std::vector<Actions>& table);

struct MenuButtonTexts {
  std::string caption, hint, action;
  ActionOptions options;
};
// Button N's texts and option keys: all empty unless "Button" N "Text" is
// set.
MenuButtonTexts MenuButtonFor(const ConfigLookup& config, int number);

}  // namespace launcher
