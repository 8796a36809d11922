#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "core/Config.h"
#include "sim/DiscFolderHost.h"
#include "core/TestFiles.h"

namespace launcher {
namespace {

using test::Fixture;

struct Loaded {
  Configuration config;
  std::string error;
  std::string Get(const std::string& key) const { return config.ConfigStrings->Get(key); }
};

Loaded Load(const std::string& disc, const std::string& language = "en-US", uint32_t osMajor = 6,
            const std::string& systemRoot = "C:\\WINDOWS") {
  DiscFolderHost host(Fixture("discs/" + disc), language, osMajor, systemRoot);
  ZipArchive archive;
  Loaded loaded;
  try {
    GetConfig(host, archive, loaded.config);
  } catch (const ArchiveError& e) {
    loaded.error = e.what();
  }
  return loaded;
}

TEST(Config, LoadsTheEnglishDefaultSection) {
  Loaded l = Load("basic");
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.config.ConfigSection, "ENT");  // no autorun.inf
  EXPECT_EQ(l.config.PropertiesMember, "com/vestrel/integration/tools/launcher/launcher_windows.properties");
  EXPECT_EQ(l.config.PathDelimiter, "\\");
  EXPECT_EQ(l.config.ShellLauncher, "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(l.config.Charset, kDefaultCharset);
  EXPECT_EQ(l.Get("ActionTotal"), "2");
  EXPECT_EQ(l.Get("Button2Action"), "$IE $PWD\\docs\\index.htm");
  EXPECT_EQ(l.Get("LauncherPartner"), "");
  EXPECT_EQ(l.config.LongestButtonText, "Documentation");
  EXPECT_EQ(l.config.Entries.size(), 8u);
}

TEST(Config, AutorunChoosesTheSectionWhateverItsCase) {
  Loaded l = Load("pro");
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.config.ConfigSection, "pro");
  EXPECT_EQ(l.Get("LauncherTitle"), "Example Suite Professional");
  // Both spellings are entries, both read the last value; only the exact
  // spelling is ever looked up by the launcher.
  EXPECT_EQ(l.Get("Button1Text"), "Lower Case Wins");
  EXPECT_EQ(l.Get("button1text"), "Lower Case Wins");
  EXPECT_EQ(l.config.LongestButtonText, "Lower Case Wins");
}

TEST(Config, DisplayLanguageChoosesMemberSuffixAndCharset) {
  struct Case {
    const char* language;
    const char* suffix;
    uint8_t charset;
  };
  for (const Case& c : {Case{"en-US", "", 1}, Case{"", "", 1}, Case{"it-IT", "", 1}, Case{"de-DE", "_de", 1},
                        Case{"de-AT", "_de", 1}, Case{"es-ES", "", 1}, Case{"fr-FR", "", 1},
                        Case{"ja-JP", "_ja", 128}}) {
    Loaded l = Load("basic", c.language);
    EXPECT_EQ(l.config.LanguageSuffix, c.suffix) << c.language;
    EXPECT_EQ(l.config.Charset, c.charset) << c.language;
    EXPECT_EQ(l.config.PropertiesMember,
              std::string("com/vestrel/integration/tools/launcher/launcher_windows") + c.suffix + ".properties");
  }
}

TEST(Config, ValuesAreDecodedFromTheSystemCodePage) {
  Loaded german = Load("basic", "de-DE");
  ASSERT_EQ(german.error, "");
  EXPECT_EQ(german.Get("LauncherTitle"), "Beispiel-Suite f\u00fcr Gr\u00f6\u00dfe");

  // In Shift-JIS the longest text is counted in bytes: six double-byte
  // characters beat seven single-byte ones.
  Loaded japanese = Load("basic", "ja-JP");
  ASSERT_EQ(japanese.error, "");
  EXPECT_EQ(japanese.Get("Button1Text"), "\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb");
  EXPECT_EQ(japanese.config.LongestButtonText, "\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb");
}

TEST(Config, ShellLauncherFollowsTheWindowsVersion) {
  EXPECT_EQ(Load("basic", "en-US", 4).config.ShellLauncher, "C:\\WINDOWS\\system32\\cmd.exe /min /c start");
  EXPECT_EQ(Load("basic", "en-US", 5).config.ShellLauncher, "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(Load("basic", "en-US", 6, "").config.ShellLauncher, "\\explorer.exe");
}

TEST(Config, MissingArchiveFailsAtTheFirstMemberTried) {
  Loaded l = Load("no-jar", "ja-JP");
  EXPECT_EQ(l.error, kArchiveNotOpen);
  EXPECT_EQ(l.config.ConfigStrings, nullptr);
  EXPECT_EQ(l.config.LongestButtonText, "");
  EXPECT_EQ(l.config.ConfigSection, "ENT");
  EXPECT_EQ(l.config.PropertiesMember, PropertiesMemberFor("_ja_JP"));
}

TEST(Config, ArchiveThatIsNoZipFailsWhenOpened) {
  Loaded l = Load("not-zip");
  EXPECT_EQ(l.error, kNotAnArchive);
  EXPECT_EQ(l.config.PlatformName, "");  // stopped before step 5
}

TEST(Config, MissingPropertiesMemberGivesAnEmptyMap) {
  Loaded l = Load("no-properties");
  ASSERT_EQ(l.error, "");
  ASSERT_NE(l.config.ConfigStrings, nullptr);
  EXPECT_TRUE(l.config.Entries.empty());
  EXPECT_EQ(l.Get("ActionTotal"), "");
}

TEST(Config, LoadsAMegabyteOfPropertiesInUnder100msInReleaseBuilds) {
  const auto start = std::chrono::steady_clock::now();
  Loaded l = Load("large-properties");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.config.Entries.size(), 20000u);
  EXPECT_EQ(l.Get("Key19999"), std::string(40, 'v'));
#ifdef NDEBUG  // the sanitized debug build is several times slower
  EXPECT_LT(elapsed, std::chrono::milliseconds(100));
#endif
  std::printf("loading 1 MiB of properties took %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

TEST(Config, CurrentDirectoryLosesOnlyATrailingBackslash) {
  DiscFolderHost root("D:\\", "en", 6), folder("C:\\disc", "en", 6), empty("", "en", 6);
  EXPECT_EQ(ReturnCurrentDirectory(root), "D:");
  EXPECT_EQ(ReturnCurrentDirectory(folder), "C:\\disc");
  EXPECT_EQ(ReturnCurrentDirectory(empty), "");
}

TEST(Config, BackgroundMembersCarryThePartnerCode) {
  EXPECT_EQ(MenuBackgroundMember(""), "com/vestrel/integration/tools/launcher/image/launcher.jpg");
  EXPECT_EQ(SelectionBackgroundMember("X"), "com/vestrel/integration/tools/launcher/image/launcherXPg2.jpg");
}

}  // namespace
}  // namespace launcher
