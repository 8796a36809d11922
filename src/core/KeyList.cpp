#include "core/KeyList.h"

#include "core/Config.h"
#include "core/Machine.h"

namespace launcher {
namespace {

// A key's texts for each processor (Action1_x64, ...).
std::vector<std::string> ProcessorKeysOf(const std::string& key) {
  std::vector<std::string> keys;
  for (Processor processor : {Processor::kX86, Processor::kX64, Processor::kArm64}) {
    keys.push_back(key + "_" + ProcessorName(processor));
  }
  return keys;
}

// The keys of the machine's own for action N and for menu button N.
std::vector<std::string> MachineKeysOfAction(int32_t number) {
  const std::string n = std::to_string(number);
  std::vector<std::string> keys = ProcessorKeysOf("Action" + n);
  for (const char* key : {"Architectures", "MinWindows", "Installed"}) keys.push_back(key + n);
  return keys;
}

std::vector<std::string> MachineKeysOfButton(int number) {
  const std::string prefix = "Button" + std::to_string(number);
  std::vector<std::string> keys = ProcessorKeysOf(prefix + "Action");
  for (const char* key : {"Architectures", "MinWindows", "Installed"}) keys.push_back(prefix + key);
  return keys;
}

}  // namespace

std::vector<std::string> KeysTheLauncherReads(int32_t actionTotal) {
  std::vector<std::string> keys = {"ActionTotal", "LauncherTitle", "LauncherPartner", "InstallDialiogInstallButton",
                                   "InstallDialiogCancelButton", "InstallDialiogTitle", "InstallDialiogComponentInfo",
                                   "InstallProgressMessage", "InstallCompleteMessage", "InstallFailedMessage",
                                   "InstallRestartMessage", "RegKey",
                                   "AdditionalActionTitle", "InstallInsertMsg1", "InstallInsertMsg2",
                                   "DiskChangeTitle", "FileNotFoundDiskText", "FileNotFoundDiskPromptTitle",
                                   "WaitForWindowsInstaller", "InstallBusyMessage", "InstalledText", "RightToLeft"};
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    for (const char* part : {"Text", "ToolTip", "Action"}) keys.push_back("Button" + std::to_string(n) + part);
    for (const char* part : kActionOptionKeys) keys.push_back("Button" + std::to_string(n) + part);
    for (const std::string& key : MachineKeysOfButton(n)) keys.push_back(key);
  }
  for (int32_t n = 1; n <= actionTotal; ++n) {
    for (const char* part : {"Action", "Text", "Description", "Assist", "AssistText", "Type"}) {
      keys.push_back(part + std::to_string(n));
    }
    for (const char* part : kActionOptionKeys) keys.push_back(part + std::to_string(n));
    for (const std::string& key : MachineKeysOfAction(n)) keys.push_back(key);
  }
  return keys;
}

}  // namespace launcher
