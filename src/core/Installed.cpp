#include "core/Installed.h"

#include "core/Machine.h"

namespace launcher {
namespace {

// A found version against the minimum asked for: a version that cannot be
// read is no version at all.
bool AtLeast(const std::optional<std::string>& found, const std::optional<Version>& minimum) {
  if (!found) return false;
  if (!minimum) return true;
  const std::optional<Version> version = ParseVersion(*found);
  return version && CompareVersions(*version, *minimum) >= 0;
}

std::optional<bool> SystemAnswer(LauncherHost& host, const Detection& detection) {
  switch (detection.kind) {
    case Detection::Kind::kMsi: return host.ProductInstalled(detection.target);
    case Detection::Kind::kUninstall:
      return AtLeast(host.InstalledProgramVersion(detection.target), detection.minimum);
    case Detection::Kind::kFile: return AtLeast(host.FileVersion(detection.target), detection.minimum);
    case Detection::Kind::kRegistry: return host.RegistryEntryExists(detection.target, detection.value);
  }
  return std::nullopt;
}

}  // namespace

bool IsInstalled(LauncherHost& host, const std::string& detection) {
  if (detection.empty()) return false;
  const std::optional<Detection> parsed = ParseDetection(detection);
  if (!parsed) {
    host.Log("installed: " + detection + " -> cannot tell (no detection of a known form): not installed");
    return false;
  }
  const std::optional<bool> installed = SystemAnswer(host, *parsed);
  host.Log("installed: " + detection + " -> " +
           (!installed ? "cannot tell (the system did not answer): not installed"
                       : *installed ? "installed" : "not installed"));
  return installed.value_or(false);
}

}  // namespace launcher
