// A LauncherHost that plays a script instead of the system: configuration
// files, program files and registry values are given, questions are
// answered from a list (Cancel once it runs out), starts end with a given
// result, and everything the launcher shows or starts is written down in
// order, typed (log) and as lines (events), by the support log's own host:
// the events are the ones the launcher's log writes. The tests check what
// it wrote; disccheck's simulation prints it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Config.h"
#include "core/HostEvent.h"
#include "core/LauncherHost.h"
#include "core/LoggedHost.h"
#include "core/Startup.h"

namespace launcher {

class ScriptedHost : public LoggedHost {
 public:
  ScriptedHost() : LoggedHost(system_, nullptr) {}
  ScriptedHost(const ScriptedHost&) = delete;
  ScriptedHost& operator=(const ScriptedHost&) = delete;

  // What the scripted system is given:
  // The configuration that tests hand to the action runner directly (a
  // key it lacks reads as empty), and the lookup to hand it with.
  std::map<std::string, std::string> configuration;
  ConfigLookup Config() const {
    return [this](const std::string& key) {
      const auto found = configuration.find(key);
      return found == configuration.end() ? std::string() : found->second;
    };
  }
  std::function<bool(const std::string&)> fileExists = [](const std::string&) { return false; };
  // Values by "key path|value name"; a value of the wrong type is an error.
  std::map<std::string, std::string> registry;
  std::optional<std::string> registryError;
  // The machine, and what is installed on it: product codes, Add/Remove
  // Programs entries with their versions, files with theirs, registry
  // keys and values ("key|value").
  Machine machine{Processor::kX64, {10, 0, 19045}};
  std::set<std::string> installedProducts;
  std::map<std::string, std::string> installedPrograms;
  std::map<std::string, std::string> fileVersions;
  std::set<std::string> registryEntries;
  // Makes what the detection asks for true on this machine.
  void MarkInstalled(const Detection& detection);
  std::string currentDirectory = "D:";
  // The drives with media besides the launcher's, and those of them that
  // are not ready; the folder each start ran in, in order.
  std::vector<std::string> mediaDrives;
  std::set<std::string> drivesNotReady;
  std::vector<std::string> startFolders;
  // The user's display languages, most preferred first.
  std::vector<std::string> displayLanguages = {"en-US"};
  uint32_t osMajorVersion = 6;
  std::string systemRoot = "C:\\WINDOWS";
  unsigned codePage = 1252;  // the system's 8-bit code page
  TextEncoding discTexts = TextEncoding::kSystemCodePage;  // as the launcher last said it reads the disc
  std::deque<bool> answers;
  // The file each question was told to wait for, in order ("(any drive)"
  // after one that counts on every drive with media).
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

 protected:
  // What became of an action goes into the log only; the support log's
  // lines of its own are not kept.
  void Event(const HostEvent& event) override;
  void Note(const std::string&) override {}

 private:
  // The system the script stands for: it answers every call from the
  // script and writes nothing down.
  class System : public LauncherHost {
   public:
    explicit System(ScriptedHost& script) : script_(script) {}

    std::string CurrentDirectory() override { return script_.currentDirectory; }
    std::vector<std::string> DisplayLanguages() override { return script_.displayLanguages; }
    uint32_t OsMajorVersion() override { return script_.osMajorVersion; }
    std::string EnvironmentVariable(const std::string& name) override;
    std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& fallback) override;
    std::unique_ptr<RandomAccessFile> OpenFile(const std::string&) override { return nullptr; }
    bool IsFilePresent(const std::string& name) override { return script_.fileExists(name); }
    std::vector<std::string> MediaDriveRoots() override { return script_.mediaDrives; }
    bool EnterFolder(const std::string& folder) override;
    std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override;
    Machine ThisMachine() override { return script_.machine; }
    std::optional<bool> ProductInstalled(const std::string& code) override {
      return script_.installedProducts.count(code) > 0;
    }
    std::optional<std::string> InstalledProgramVersion(const std::string& name) override {
      return Found(script_.installedPrograms, name);
    }
    std::optional<std::string> FileVersion(const std::string& path) override {
      return Found(script_.fileVersions, path);
    }
    std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName) override {
      return script_.registryEntries.count(valueName.empty() ? keyPath : keyPath + "|" + valueName) > 0;
    }
    std::string FromSystemCodePage(std::string_view bytes) override;
    std::string ToSystemCodePage(std::string_view text) override;
    void ReadDiscTextsAs(TextEncoding encoding) override { script_.discTexts = encoding; }
    std::string UpperCase(std::string_view text) override;

    void ShowInfoDialog(const std::string&, const std::string&) override {}
    Answer ShowOKCancelDialog(const std::string&, const std::string&, const AwaitedFile& awaited) override {
      return Asked(awaited);
    }
    Answer ShowRetryCancelDialog(const std::string&, const std::string&, const AwaitedFile& awaited) override {
      return Asked(awaited);
    }
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    void ShowDelayDialog(const std::string&, const std::string&, int) override {}
    StartResult RunWinProcess(const std::string&, int16_t, WaitScope) override { return Started(script_.startError); }
    StartResult WinExecAndWait32(const std::string&, int16_t, WaitScope) override {
      return Started(script_.startError);
    }
    StartResult StartElevated(const std::string&, const std::string&, int16_t, WaitScope) override {
      return Started(script_.elevatedResult, script_.elevatedError);
    }
    uint32_t WaitWhileInstallerBusy(const std::string& title, const std::string& text) override;
    bool CloseRequested() override {
      return script_.closeRequestedFromStart > 0 && starts_ >= script_.closeRequestedFromStart;
    }
    // Programs are looked up like any other file.
    std::optional<std::string> FindProgram(const std::string& name) override;
    uint32_t LastStartError() override { return lastStartError_; }
    std::string LastErrorText() override { return script_.lastErrorText; }
    void ForceForeground() override {}

   private:
    static std::optional<std::string> Found(const std::map<std::string, std::string>& map, const std::string& key) {
      const auto found = map.find(key);
      return found == map.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    // The next scripted answer.
    Answer Asked(const AwaitedFile& awaited);
    StartResult Started(uint32_t error);
    StartResult Started(StartResult result, uint32_t error);

    ScriptedHost& script_;
    uint32_t lastStartError_ = 0;
    int starts_ = 0;
  };

  System system_{*this};
};

}  // namespace launcher
