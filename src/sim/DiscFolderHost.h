// A scripted host whose files are a disc laid out in a folder, with the
// language and the Windows version given rather than asked of the system:
// what the disc author's tool and the tests use to load a disc exactly as
// the launcher would, and to run its actions.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "sim/ScriptedHost.h"

namespace launcher {

class DiscFolderHost : public ScriptedHost {
 public:
  // The launcher runs in `discDirectory` for a user of the display language
  // `languageTag`, on a system whose code page is that language's (932 for
  // Japanese, 1252 for every other).
  DiscFolderHost(std::string discDirectory, const std::string& languageTag, uint32_t osMajorVersion,
                 std::string systemRoot = "C:\\WINDOWS");
  // From now on the launcher runs from the root of drive D:, which holds the
  // disc directory.
  void MountAsDriveD();
  // Another disc of a set in a drive of its own, after D: (E:, F:, ...):
  // its root, now among the drives with media.
  std::string MountDrive(const std::string& folder);

  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override;

  unsigned CodePage() const { return codePage; }
  // Where a file the launcher names ("E:\x", or "\x" and "x" on the current
  // directory's drive) lies on this machine; nothing when the name names no
  // file there. Before the disc is drive D:, names are the machine's own.
  std::optional<std::string> FileOnDrives(const std::string& launcherPath) const;
  // A launcher path ("dir\file") as this system spells it.
  static std::string SystemPath(const std::string& launcherPath);

 private:
  // The path on this machine, empty when it is on no drive mounted.
  std::string PathOnDrives(const std::string& launcherPath) const;

  std::map<char, std::string> drives_;  // drive letter -> folder, once the disc is drive D:
};

}  // namespace launcher
