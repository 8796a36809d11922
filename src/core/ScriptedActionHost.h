// An ActionHost that plays a script instead of the system: configuration,
// files and registry values are given, questions are answered from a list
// (Cancel once it runs out), starts succeed with a given result, and
// everything the action shows or starts is written down in order. The
// tests check what it wrote; disccheck's simulation prints it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/SingleAction.h"
#include "core/Startup.h"

namespace launcher {

class ScriptedActionHost : public ActionHost {
 public:
  ConfigLookup config = [](const std::string&) { return std::string(); };
  std::function<bool(const std::string&)> fileExists = [](const std::string&) { return false; };
  // Values by "key path|value name"; a value of the wrong type is an error.
  std::map<std::string, std::string> registry;
  std::optional<std::string> registryError;
  std::string currentDirectory = "D:";
  std::deque<bool> answers;
  int32_t startResult = 0;
  // The error of a start that gives -1, and what an elevated start gives.
  uint32_t startError = 2;
  int32_t elevatedResult = 0;
  uint32_t elevatedError = 0;
  std::string lastErrorText = "The system cannot find the file specified";
  unsigned codePage = 1252;

  // The command line of the last plain or assisted start.
  std::string lastCommandLine;

  // One line an event: "info: TITLE | TEXT", "ok-cancel: TITLE | TEXT -> OK",
  // "retry-cancel: TITLE | TEXT -> Cancel", "message: TEXT", "error: TEXT",
  // "notice: TITLE | TEXT (5 s)",
  // "start: COMMAND", "start assisted: COMMAND",
  // "start elevated: PROGRAM | PARAMETERS", "foreground",
  // "close main window". Line breaks in texts are written \n and \r.
  std::vector<std::string> events;

  std::string Config(const std::string& key) override { return config(key); }
  std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override;
  std::string CurrentDirectory() override { return currentDirectory; }
  bool IsFilePresent(const std::string& name) override { return fileExists(name); }
  std::string UpperCase(std::string_view text) override;
  void ShowInfoDialog(const std::string& title, const std::string& text) override;
  bool ShowOKCancelDialog(const std::string& title, const std::string& text) override;
  bool ShowRetryCancelDialog(const std::string& title, const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) override;
  int32_t RunWinProcess(const std::string& commandLine, int16_t show) override;
  int32_t WinExecAndWait32(const std::string& commandLine, int16_t show) override;
  std::string LastErrorText() override { return lastErrorText; }
  uint32_t LastStartError() override { return lastStartError_; }
  // Programs are looked up on the disc alone.
  std::optional<std::string> FindProgram(const std::string& name) override;
  int32_t StartElevated(const std::string& program, const std::string& parameters, int16_t show) override;
  void ForceForeground() override { events.push_back("foreground"); }
  void CloseMainWindow() override { events.push_back("close main window"); }

 private:
  bool Answer();
  int32_t Started(int32_t result, uint32_t error);

  uint32_t lastStartError_ = 0;
};

// A text on one line: LF and CR written as \n and \r.
std::string OneLine(const std::string& text);

}  // namespace launcher
