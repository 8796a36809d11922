// A scripted host whose files are a disc laid out in a folder, with the
// language and the Windows version given rather than asked of the system:
// what the disc author's tool and the tests use to load a disc exactly as
// the launcher would, and to run its actions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/ScriptedHost.h"

namespace launcher {

class DiscFolderHost : public ScriptedHost {
 public:
  // The launcher runs in `discDirectory`. `locale` stands for the thread
  // locale; the code page follows its language.
  DiscFolderHost(std::string discDirectory, uint32_t locale, uint32_t osMajorVersion,
                 std::string systemRoot = "C:\\WINDOWS");
  // From now on the launcher runs from the root of drive D:, which holds the
  // disc directory.
  void MountAsDriveD();

  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override;

  unsigned CodePage() const { return codePage; }
  // Where a file the launcher names ("D:\x", "\x" or "x" once the disc is
  // drive D:) lies on this machine when `folder` is the disc in the drive;
  // nothing when the name names no file there.
  std::optional<std::string> FileIn(const std::string& folder, const std::string& launcherPath) const;
  // A launcher path ("dir\file") as this system spells it.
  static std::string SystemPath(const std::string& launcherPath);

 private:
  std::string PathIn(const std::string& folder, const std::string& launcherPath) const;

  std::string folder_;  // set when the disc is drive D:
};

}  // namespace launcher
