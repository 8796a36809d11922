#include "windows/Win32Host.h"

#include <algorithm>

#include <windows.h>

#include "core/Config.h"
#include "core/Platform.h"
#include "windows/system/Environment.h"
#include "windows/system/Processes.h"
#include "windows/system/MachineQueries.h"
#include "windows/system/SystemQueries.h"
#include "windows/system/Waiting.h"
#include "windows/system/Win32Text.h"

namespace launcher {

Win32Host::Win32Host(Application& application) : application_(application) {}

std::vector<std::string> Win32Host::DisplayLanguages() { return SystemDisplayLanguages(); }

std::string Win32Host::CurrentDirectory() { return SystemCurrentDirectory(); }

uint32_t Win32Host::OsMajorVersion() { return SystemMajorVersion(); }

std::string Win32Host::EnvironmentVariable(const std::string& name) { return SystemEnvironmentVariable(name); }

std::string Win32Host::ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  return SystemProfileString(file, section, key, fallback);
}

std::unique_ptr<RandomAccessFile> Win32Host::OpenFile(const std::string& path) { return OpenPlatformFile(path); }

bool Win32Host::IsFilePresent(const std::string& name) { return launcher::IsFilePresent(name); }

std::vector<std::string> Win32Host::MediaDriveRoots() { return launcher::MediaDriveRoots(); }

Machine Win32Host::ThisMachine() { return launcher::ThisMachine(); }

std::optional<bool> Win32Host::ProductInstalled(const std::string& productCode) {
  return MsiProductInstalled(productCode);
}

std::optional<std::string> Win32Host::InstalledProgramVersion(const std::string& name) {
  return launcher::InstalledProgramVersion(name);
}

std::optional<std::string> Win32Host::FileVersion(const std::string& path) { return FileVersionOf(path); }

std::optional<bool> Win32Host::RegistryEntryExists(const std::string& keyPath, const std::string& valueName) {
  return launcher::RegistryEntryExists(keyPath, valueName);
}

bool Win32Host::EnterFolder(const std::string& folder) { return EnterFolderWithoutSystemPrompts(folder); }

std::string Win32Host::GetRegistryValue(const std::string& keyPath, const std::string& valueName) {
  return launcher::GetRegistryValue(keyPath, valueName, [this](std::string_view s) { return UpperCase(s); });
}

std::string Win32Host::FromSystemCodePage(std::string_view bytes) { return Utf8Of(WideFrom(CP_ACP, bytes)); }

std::string Win32Host::ToSystemCodePage(std::string_view text) { return NarrowFrom(CP_ACP, Wide(text)); }

std::string Win32Host::UpperCase(std::string_view text) { return UpperCaseOf(text, discTexts_); }

void Win32Host::ShowInfoDialog(const std::string& title, const std::string& text) {
  if (unattended_) return;
  messages_->ShowInfoDialog(title, text);
}

Answer Win32Host::ShowOKCancelDialog(const std::string& title, const std::string& text,
                                     const AwaitedFile& awaited) {
  if (unattended_) return Answer::kNo;  // nobody is there to answer
  return messages_->ShowOKCancelDialog(title, text, awaited);
}

Answer Win32Host::ShowRetryCancelDialog(const std::string& title, const std::string& text,
                                        const AwaitedFile& awaited) {
  if (unattended_) return Answer::kNo;
  return messages_->ShowRetryCancelDialog(title, text, awaited);
}

void Win32Host::ShowDelayDialog(const std::string& title, const std::string& text, int seconds) {
  if (unattended_) return;
  messages_->ShowDelayDialog(title, text, seconds);
  AfterWait();
}

void Win32Host::ShowMessage(const std::string& text) {
  if (unattended_) return;
  application_.ShowMessage(text, MB_OK);
}

void Win32Host::AfterWait() {
  const DroppedInput dropped = DropInput();
  if (dropped.clicks > 0 || dropped.keys > 0) Report(HostEvent::InputDropped(dropped.clicks, dropped.keys));
  // As the system would have, had the launcher not been waiting: the main
  // window holds the close until its work is done.
  for (HWND window : dropped.closeAskedOf) SendMessageW(window, WM_CLOSE, 0, 0);
}

StartResult Win32Host::AfterStart(StartResult result) {
  lastStartError_ = GetLastError();
  AfterWait();
  return result;
}

template <typename Start>
StartResult Win32Host::WhileRunning(Start start) {
  const WaitReport report = [this](const HostEvent& event) { Report(event); };
  ++programsRunning_;
  const StartResult result = start(report);
  --programsRunning_;
  return AfterStart(result);
}

StartResult Win32Host::RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) {
  return WhileRunning(
      [&](const WaitReport& report) { return launcher::RunWinProcess(commandLine, show, scope, report); });
}

StartResult Win32Host::WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) {
  return WhileRunning(
      [&](const WaitReport& report) { return launcher::WinExecAndWait32(commandLine, show, scope, report); });
}

StartResult Win32Host::StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                                     WaitScope scope) {
  return WhileRunning([&](const WaitReport& report) {
    return launcher::StartElevated(program, parameters, show, application_.Window(), CurrentDirectory(), scope,
                                   report);
  });
}

uint32_t Win32Host::WaitWhileInstallerBusy(const std::string& title, const std::string& text) {
  if (!WindowsInstallerBusy()) return 0;
  // Windows Installer's mutex announces nothing when it goes, and the
  // launcher may only open it, never hold it: it is looked at every slice.
  constexpr DWORD kLookEveryMs = 100;
  const DWORD start = GetTickCount();
  if (!text.empty() && !unattended_) messages_->ShowNotice(title, text);
  do {
    WaitResponsively(nullptr, kLookEveryMs);
  } while (WindowsInstallerBusy());
  const DWORD waitedMs = GetTickCount() - start;
  if (!unattended_) messages_->HideNotice();
  AfterWait();
  // The seconds the user waited, rounded; a wait shorter than half a second
  // still counts as one.
  return std::max<uint32_t>(1, (waitedMs + 500) / 1000);
}

std::optional<std::string> Win32Host::FindProgram(const std::string& name) {
  return launcher::FindProgram(name, ReturnCurrentDirectory(*this), EnvironmentVariable("PATH"));
}

std::string Win32Host::LastErrorText() { return SystemErrorText(lastStartError_); }

void Win32Host::ForceForeground() {
  if (!unattended_) ForceForegroundWindow(application_.Window());
}

}  // namespace launcher
