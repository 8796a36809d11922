#include <gtest/gtest.h>

#include "core/Texts.h"
#include "core/Tokens.h"

namespace launcher {
namespace {

std::string Upper(std::string_view s) { return UpperCaseInCodePage(1252, s); }

TEST(Tokens, ReplaceTokensLeftToRightWithoutOverlapOrRescan) {
  struct Case {
    const char *source, *token, *replacement, *expected;
  };
  for (const Case& c : {
           Case{"a$PWDb$PWD", "$PWD", "X", "aXbX"},
           Case{"no token here", "$PWD", "X", "no token here"},
           Case{"a$PWDb", "", "X", "a$PWDb"},             // an empty token is never found
           Case{"", "$PWD", "X", ""},
           Case{"$pwd stays", "$PWD", "X", "$pwd stays"},  // letter case counts
           Case{"$PWDX", "$PWD", "C:", "C:X"},             // inside a longer word too
           Case{"aaa", "aa", "b", "ba"},                   // no overlap
           Case{"$IE", "$IE", "$IE$IE", "$IE$IE"},         // the replacement is not searched
           Case{"explorer x\\explorer", "explorer", "C:\\WINDOWS\\explorer.exe",
                "C:\\WINDOWS\\explorer.exe x\\C:\\WINDOWS\\explorer.exe"},
       }) {
    EXPECT_EQ(replaceTokens(c.source, c.token, c.replacement), c.expected) << c.source;
  }
}

TEST(Tokens, IgnoringCaseReplacesEverySpellingAndInsideWords) {
  EXPECT_EQ(ReplaceIgnoringCase("[dialog]Hi[DIALOG] [Dialog]", "[DIALOG]", "", Upper), "Hi ");
  EXPECT_EQ(ReplaceIgnoringCase("Insert disk, a diskette or a DISK", "disk", "Disc 2", Upper),
            "Insert Disc 2, a Disc 2ette or a Disc 2");
  // The inserted text holds the pattern again; it is not searched.
  EXPECT_EQ(ReplaceIgnoringCase("disk", "disk", "my disk", Upper), "my disk");
  EXPECT_EQ(WithLineBreaks("one<br>two<BR>three<Br>", Upper), "one\n\rtwo\n\rthree\n\r");
}

TEST(Tokens, RegistryPathsSplitAtTheRootName) {
  struct Case {
    const char* path;
    RegistryRoot root;
    const char* subKey;
  };
  for (const Case& c : {
           Case{"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Product", RegistryRoot::kLocalMachine, "SOFTWARE\\Vendor\\Product"},
           // Not recognised in lower case, yet still removed: letter case is
           // ignored in the removal only.
           Case{"hkey_local_machine\\software\\vendor", RegistryRoot::kCurrentUser, "software\\vendor"},
           Case{"HKLM\\Software\\X", RegistryRoot::kCurrentUser, "Software\\X"},
           Case{"HKEY_CLASSES_ROOT\\.txt", RegistryRoot::kClassesRoot, ".txt"},
           Case{"HKEY_USERS\\.DEFAULT\\X", RegistryRoot::kUsers, ".DEFAULT\\X"},
           Case{"HKEY_CURRENT_USER\\A\\HKEY_CURRENT_USER\\B", RegistryRoot::kCurrentUser, "A\\B"},
           Case{"Software", RegistryRoot::kCurrentUser, "Software"},
           Case{"\\Software\\X", RegistryRoot::kCurrentUser, "\\Software\\X"},
           Case{"", RegistryRoot::kCurrentUser, ""},
       }) {
    RegistryPath path = SplitRegistryPath(c.path, Upper);
    EXPECT_EQ(path.root, c.root) << c.path;
    EXPECT_EQ(path.subKey, c.subKey) << c.path;
  }
}

}  // namespace
}  // namespace launcher
