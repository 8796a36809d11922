// Whether a component is installed, by what the disc says of it
// ("Installed" N) and what the system answers.
#pragma once

#include <string>

#include "core/LauncherHost.h"

namespace launcher {

// A detection that cannot be made (an unknown form, a read refused, no
// Windows Installer) counts as not installed; the log says why. An empty
// text says nothing: not installed, and nothing logged.
bool IsInstalled(LauncherHost& host, const std::string& detection);

// A label with "InstalledText" after it, a blank between (the properties
// text cannot begin a value with one).
inline std::string WithInstalledText(const std::string& label, const std::string& installedText) {
  return installedText.empty() ? label : label + " " + installedText;
}

}  // namespace launcher
