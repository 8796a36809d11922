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
    EXPECT_EQ(DiscFolderToEnter(row.current, row.launcher, exists), row.entered)
        << row.current << " " << row.launcher;
  }
}

// Paths are UTF-8: a folder in any script keeps its whole name, and a
// Japanese one whose Shift-JIS bytes would end in the code of "\\" (U+8868
// is 0x95 0x5C there) is no root.
TEST(DiscFolder, AFolderInAnyScriptKeepsItsName) {
  for (const std::string folder : {"D:\\\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430", "D:\\\u8868"}) {
    EXPECT_EQ(FolderOf(folder + "\\Install_Windows.exe"), folder);
    EXPECT_EQ(DiscFolderToEnter("C:\\", folder + "\\Install_Windows.exe",
                                [&](const std::string& path) { return path == folder + "\\install.jar"; }),
              folder);
  }
}

}  // namespace
}  // namespace launcher
