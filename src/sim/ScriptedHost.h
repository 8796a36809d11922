// A LauncherHost that plays a script instead of the system: configuration
// files, program files and registry values are given, questions are
// answered from a list (Cancel once it runs out), starts end with a given
// result, and everything the launcher shows or starts is written down in
// order, typed (log) and as lines (events). The tests check what it wrote;
// disccheck's simulation prints it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Config.h"
#include "core/LauncherHost.h"
#include "core/Startup.h"
#include "core/HostEvent.h"

namespace launcher {

class ScriptedHost : public LauncherHost {
 public:
  // The configuration that tests hand to the action runner directly.
  ConfigLookup config = [](const std::string&) { return std::string(); };
  std::function<bool(const std::string&)> fileExists = [](const std::string&) { return false; };
  // Values by "key path|value name"; a value of the wrong type is an error.
  std::map<std::string, std::string> registry;
  std::optional<std::string> registryError;
  std::string currentDirectory = "D:";
  uint32_t locale = 0x0409;
  uint32_t osMajorVersion = 6;
  std::string systemRoot = "C:\\WINDOWS";
  unsigned codePage = 1252;
  std::deque<bool> answers;
  // The file each question was told to wait for, in order.
  std::vector<std::string> awaitedFiles;
  StartResult startResult = 0;
  // The error of a start that did not happen, and what an elevated start gives.
  uint32_t startError = 2;
  StartResult elevatedResult = 0;
  uint32_t elevatedError = 0;
  std::string lastErrorText = "The system cannot find the file specified";
  // How long each start finds Windows Installer busy, in order; free after.
  std::deque<uint32_t> installerBusySeconds;
  // Whether the user has asked the launcher to close, from the Nth start on
  // (from 1; 0: never).
  int closeRequestedFromStart = 0;

  // What the Nth start (from 1) ends with; others end with startResult.
  std::map<int, int32_t> exitCodes;

  std::vector<HostEvent> log;       // everything, what became of each action included
  std::vector<std::string> events;  // what it showed and started, one line an event (Describe)
  void Record(HostEvent event);
  void Outcome(const std::string& label, Verdict verdict, int64_t code) override {
    log.push_back(HostEvent::Outcome(label, verdict, code));
  }

  std::string CurrentDirectory() override { return currentDirectory; }
  uint32_t ThreadLocale() override { return locale; }
  uint32_t OsMajorVersion() override { return osMajorVersion; }
  std::string EnvironmentVariable(const std::string& name) override;
  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string&) override { return nullptr; }
  bool IsFilePresent(const std::string& name) override { return fileExists(name); }
  std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override;
  std::u16string ToWide(std::string_view text) override;
  std::string ToNarrow(std::u16string_view text) override;
  std::string UpperCase(std::string_view text) override;
  LeadBytes CodePageLeadBytes() override { return LeadBytes::ForCodePage(codePage); }

  void ShowInfoDialog(const std::string& title, const std::string& text) override;
  Answer ShowOKCancelDialog(const std::string& title, const std::string& text,
                            const std::string& awaitedFile) override;
  Answer ShowRetryCancelDialog(const std::string& title, const std::string& text,
                               const std::string& awaitedFile) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) override;
  StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                            WaitScope scope) override;
  uint32_t WaitWhileInstallerBusy(const std::string& title, const std::string& text) override;
  bool CloseRequested() override { return closeRequestedFromStart > 0 && starts_ >= closeRequestedFromStart; }
  void Repeating(const std::string& commandLine, int repeat, int repeats) override {
    Record(HostEvent::Repeat(commandLine, repeat, repeats));
  }
  // Programs are looked up like any other file.
  std::optional<std::string> FindProgram(const std::string& name) override;
  uint32_t LastStartError() override { return lastStartError_; }
  std::string LastErrorText() override { return lastErrorText; }
  void ForceForeground() override { Record(HostEvent::Of(HostEvent::Kind::kForeground)); }

 private:
  // The next scripted answer, recorded as the question's event.
  launcher::Answer Asked(HostEvent::Kind kind, const std::string& title, const std::string& text,
                         const std::string& awaitedFile);
  StartResult Started(uint32_t error);
  StartResult Started(StartResult result, uint32_t error);

  uint32_t lastStartError_ = 0;
  int starts_ = 0;
};

}  // namespace launcher
