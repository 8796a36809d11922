// The machine a disc is inserted in: the processor of Windows itself and
// its version, and what a disc's optional keys make of them: the action
// text for this processor, whether a component is offered here, and how a
// component says that it is installed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Startup.h"

namespace launcher {

enum class Processor { kX86, kX64, kArm64 };

// A version as dotted whole numbers ("10.0.22000"); missing parts are 0.
using Version = std::vector<uint32_t>;

struct Machine {
  Processor processor = Processor::kX86;
  Version windows;  // major, minor, build
};

// Windows 11 is 10.0 from build 22000 on; it runs x64 programs on Arm64.
inline constexpr uint32_t kWindows11Build = 22000;

// "x86", "x64", "arm64".
std::string ProcessorName(Processor processor);
// A name as a disc writes it, letter case ignored; nothing for another.
std::optional<Processor> ProcessorNamed(std::string_view name);
std::string VersionText(const Version& version);
// One to four dotted whole numbers; nothing for anything else.
std::optional<Version> ParseVersion(std::string_view text);
// Negative, zero or positive as `a` is older than, as old as or newer than `b`.
int CompareVersions(const Version& a, const Version& b);

// The action text of `key` ("Action3", "Button2Action") on this machine:
// on Arm64 key_arm64, else key_x64 on Windows 11, else key; on x64 key_x64,
// else key; on x86 key_x86, else key.
std::string ActionTextOn(const Machine& machine, const ConfigLookup& config, const std::string& key);

// Menu button N as this machine shows it: hidden where it is not offered,
// its action text for this processor.
MenuButtonTexts MenuButtonOn(const Machine& machine, const ConfigLookup& config, int number);
// The action table as this machine has it: each action's text for its
// processor, whether it is offered, and its "Installed" N.
void FitToMachine(const Machine& machine, const ConfigLookup& config, std::vector<Actions>& table);

// Whether a component is offered on this machine: "Architectures" (a
// comma-separated list of processor names; empty: every one) and
// "MinWindows" (a version; empty: every one). A value that cannot be read
// restricts nothing (disccheck reports it).
bool OfferedOn(const Machine& machine, const std::string& architectures, const std::string& minWindows);

// How a component says it is installed ("Installed" N):
//   msi:{product code}           Windows Installer knows the product;
//   uninstall:NAME[>=VERSION]    an Add/Remove Programs entry, its DisplayVersion at least VERSION;
//   file:PATH[>=VERSION]         a file (environment variables expanded), its version at least VERSION;
//   registry:KEY or KEY\\VALUE   a registry key, or a value under it.
struct Detection {
  enum class Kind { kMsi, kUninstall, kFile, kRegistry };
  Kind kind = Kind::kFile;
  std::string target;  // the product code, entry name, path or key
  std::string value;   // the registry value, when one is named
  std::optional<Version> minimum;
};
// Nothing for an unknown form, a product code that is no GUID or a
// minimum that is no version.
std::optional<Detection> ParseDetection(const std::string& text);


}  // namespace launcher
