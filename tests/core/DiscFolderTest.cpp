#include "core/DiscFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace launcher {
namespace {

TEST(DiscFolder, TheLaunchersFolderIsEnteredOnlyWhereTheCurrentDirectoryHasNoArchive) {
  struct Row {
    const char* current;
    const char* launcher;
    std::set<std::string> archives;
    std::optional<std::string> entered;
  };
  const Row rows[] = {
      // Started from the disc's root: as always, whatever the exe's folder holds.
      {"D:\\", "D:\\Install_Windows.exe", {"D:\\install.jar"}, std::nullopt},
      {"D:\\", "E:\\Install_Windows.exe", {"D:\\install.jar", "E:\\install.jar"}, std::nullopt},
      // Started from elsewhere: the exe's folder, a root or a share's folder.
      {"C:\\Users\\me", "E:\\Install_Windows.exe", {"E:\\install.jar"}, "E:\\"},
      {"C:\\WINDOWS\\system32", "\\\\server\\discs\\orbit\\Install_Windows.exe",
       {"\\\\server\\discs\\orbit\\install.jar"}, "\\\\server\\discs\\orbit"},
      // Neither holds one: stay, so that start-up reports the missing archive.
      {"C:\\Users\\me", "E:\\Install_Windows.exe", {}, std::nullopt},
      {"C:\\Users\\me", "Install_Windows.exe", {"install.jar"}, std::nullopt},
  };
  for (const Row& row : rows) {
    auto exists = [&](const std::string& path) { return row.archives.count(path) > 0; };
    EXPECT_EQ(DiscFolderToEnter(row.current, row.launcher, kSingleByte, exists), row.entered)
        << row.current << " " << row.launcher;
  }
}

// A Japanese folder whose last character's second byte has the code of "\"
// is no root and keeps its whole name.
TEST(DiscFolder, AFolderEndingInATwoByteCharacterKeepsIt) {
  const LeadBytes sjis = LeadBytes::ForCodePage(932);
  EXPECT_EQ(FolderOf("D:\\\x95\\\\Install_Windows.exe", sjis), "D:\\\x95\\");
  EXPECT_EQ(DiscFolderToEnter("C:\\", "D:\\\x95\\\\Install_Windows.exe", sjis,
                              [](const std::string& path) { return path == "D:\\\x95\\\\install.jar"; }),
            "D:\\\x95\\");
}

}  // namespace
}  // namespace launcher
