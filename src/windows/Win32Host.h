// The launcher's answers to what its session asks of the system: the Win32
// services, its own message windows and the application window.
#pragma once

#include "core/HostEvent.h"
#include "core/LauncherHost.h"
#include "windows/MessageWindows.h"
#include "windows/kit/Application.h"

namespace launcher {

class Win32Host : public LauncherHost {
 public:
  // Takes the thread locale now: it is the one of program start. The
  // message windows are attached once they exist, and so is where what the
  // waits see is reported (the support log).
  explicit Win32Host(Application& application);
  void AttachMessages(MessageWindows& messages) { messages_ = &messages; }
  void ReportTo(HostEventSink& events) { events_ = &events; }
  // Whether a program started by the launcher is running: the launcher is
  // waiting for it.
  bool ProgramRunning() const { return programsRunning_ > 0; }
  // Unattended, nothing is shown: no message window, box or notice, and the
  // launcher never comes to the front. (What is not shown is logged.)
  void SetUnattended(bool unattended) { unattended_ = unattended; }

  std::string CurrentDirectory() override;
  std::vector<std::string> DisplayLanguages() override;
  uint32_t OsMajorVersion() override;
  std::string EnvironmentVariable(const std::string& name) override;
  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override;
  bool IsFilePresent(const std::string& name) override;
  std::vector<std::string> MediaDriveRoots() override;
  Machine ThisMachine() override;
  std::optional<bool> ProductInstalled(const std::string& productCode) override;
  std::optional<std::string> InstalledProgramVersion(const std::string& name) override;
  std::optional<std::string> FileVersion(const std::string& path) override;
  std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName) override;
  bool EnterFolder(const std::string& folder) override;
  std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) override;
  std::string FromSystemCodePage(std::string_view bytes) override;
  std::string ToSystemCodePage(std::string_view text) override;
  void ReadDiscTextsAs(TextEncoding encoding) override { discTexts_ = encoding; }
  std::string UpperCase(std::string_view text) override;

  void ShowInfoDialog(const std::string& title, const std::string& text) override;
  Answer ShowOKCancelDialog(const std::string& title, const std::string& text,
                            const AwaitedFile& awaited) override;
  Answer ShowRetryCancelDialog(const std::string& title, const std::string& text,
                               const AwaitedFile& awaited) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override {
    if (!unattended_) application_.ShowError(text);
  }
  void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) override;

  StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) override;
  StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                            WaitScope scope) override;
  uint32_t WaitWhileInstallerBusy(const std::string& title, const std::string& text) override;
  bool CloseRequested() override { return application_.CloseHeld(); }
  std::optional<std::string> FindProgram(const std::string& name) override;
  uint32_t LastStartError() override { return lastStartError_; }
  std::string LastErrorText() override;

  void ForceForeground() override;

 private:
  // After every wait: what the user clicked or typed meanwhile is dropped.
  void AfterWait();
  StartResult AfterStart(StartResult result);
  // Runs a start that waits for its program, counted as running meanwhile.
  template <typename Start>
  StartResult WhileRunning(Start start);
  void Report(const HostEvent& event) const {
    if (events_) events_->Report(event);
  }

  Application& application_;
  HostEventSink* events_ = nullptr;
  int programsRunning_ = 0;
  MessageWindows* messages_ = nullptr;
  TextEncoding discTexts_ = TextEncoding::kSystemCodePage;
  uint32_t lastStartError_ = 0;
  bool unattended_ = false;
};

}  // namespace launcher
