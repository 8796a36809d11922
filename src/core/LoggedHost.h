// The support log: a LauncherHost that passes every call on to the real one
// and writes down what the user saw and answered, what was looked for and
// started, how, and how it ended, one line an event, in the words disccheck
// prints. Without a log (`/log FILE` not given) nothing is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/HostEvent.h"
#include "core/LauncherHost.h"

namespace launcher {

// Where the log's lines go; the launcher's adds the local time to each.
class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void Write(const std::string& line) = 0;
};

// Writes an event as its line: the one way an event reaches the support
// log, the host's and the program's alike.
inline void WriteEvent(LogSink* sink, const HostEvent& event) {
  if (sink) sink->Write(Describe(event));
}

class LoggedHost : public LauncherHost, public HostEventSink {
 public:
  // Without a sink the host only passes calls on.
  LoggedHost(LauncherHost& inner, LogSink* sink) : inner_(inner), sink_(sink) {}

  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }
  std::vector<std::string> DisplayLanguages() override { return inner_.DisplayLanguages(); }
  uint32_t OsMajorVersion() override { return inner_.OsMajorVersion(); }
  std::string EnvironmentVariable(const std::string& name) override { return inner_.EnvironmentVariable(name); }
  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override {
    return inner_.ReadProfileString(file, section, key, fallback);
  }
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override { return inner_.OpenFile(path); }
  bool IsFilePresent(const std::string& name) override;
  std::vector<std::string> MediaDriveRoots() override { return inner_.MediaDriveRoots(); }
  bool EnterFolder(const std::string& folder) override { return inner_.EnterFolder(folder); }
  std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override {
    return inner_.GetRegistryValue(keyPath, valueName);
  }
  Machine ThisMachine() override { return inner_.ThisMachine(); }
  std::optional<bool> ProductInstalled(const std::string& code) override { return inner_.ProductInstalled(code); }
  std::optional<std::string> InstalledProgramVersion(const std::string& name) override {
    return inner_.InstalledProgramVersion(name);
  }
  std::optional<std::string> FileVersion(const std::string& path) override { return inner_.FileVersion(path); }
  std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName) override {
    return inner_.RegistryEntryExists(keyPath, valueName);
  }
  std::string FromSystemCodePage(std::string_view bytes) override { return inner_.FromSystemCodePage(bytes); }
  std::string ToSystemCodePage(std::string_view text) override { return inner_.ToSystemCodePage(text); }
  void ReadDiscTextsAs(TextEncoding encoding) override { inner_.ReadDiscTextsAs(encoding); }
  std::string UpperCase(std::string_view text) override { return inner_.UpperCase(text); }

  void ShowInfoDialog(const std::string& title, const std::string& text) override;
  Answer ShowOKCancelDialog(const std::string& title, const std::string& text, const AwaitedFile& awaited) override;
  Answer ShowRetryCancelDialog(const std::string& title, const std::string& text,
                               const AwaitedFile& awaited) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) override;

  StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                            WaitScope scope) override;
  uint32_t WaitWhileInstallerBusy(const std::string& title, const std::string& text) override;
  bool CloseRequested() override { return inner_.CloseRequested(); }
  std::optional<std::string> FindProgram(const std::string& name) override { return inner_.FindProgram(name); }
  uint32_t LastStartError() override { return inner_.LastStartError(); }
  std::string LastErrorText() override { return inner_.LastErrorText(); }

  void Log(const std::string& note) override { Note(note); }
  void Outcome(const std::string& label, Verdict verdict, int64_t code) override {
    Event(HostEvent::Outcome(label, verdict, code));
  }
  void Repeating(const std::string& commandLine, int repeat, int repeats) override {
    Event(HostEvent::Repeat(commandLine, repeat, repeats));
  }
  void DiscFound(const std::string& disc, const std::string& root) override {
    Event(HostEvent::DiscFound(disc, root));
  }
  void ForceForeground() override {
    Event(HostEvent::Of(HostEvent::Kind::kForeground));
    inner_.ForceForeground();
  }
  // What the real host did by itself (input dropped, an installer's
  // programs, a close held) goes where the session's events go.
  void Report(const HostEvent& event) override { Event(event); }

 protected:
  // Where what the host saw goes: each event as its line, and each line of
  // its own, to the sink. The scripted host keeps the events instead.
  virtual void Event(const HostEvent& event) { WriteEvent(sink_, event); }
  virtual void Note(const std::string& line) {
    if (sink_) sink_->Write(line);
  }

 private:
  // After a start: its exit code, or why it did not start.
  StartResult Ended(StartResult result);

  LauncherHost& inner_;
  LogSink* sink_;
};

}  // namespace launcher
