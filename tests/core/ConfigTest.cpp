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
  std::u16string Get(const std::string& key) const { return config.ConfigStrings->Get(key); }
};

Loaded Load(const std::string& disc, uint32_t locale = 0x0409, uint32_t osMajor = 6,
            const std::string& systemRoot = "C:\\WINDOWS") {
  DiscFolderHost host(Fixture("discs/" + disc), locale, osMajor, systemRoot);
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
  EXPECT_EQ(l.Get("ActionTotal"), u"2");
  EXPECT_EQ(l.Get("Button2Action"), u"$IE $PWD\\docs\\index.htm");
  EXPECT_EQ(l.Get("LauncherPartner"), u"");
  EXPECT_EQ(l.config.LongestButtonText, "Documentation");
  EXPECT_EQ(l.config.Entries.size(), 8u);
}

TEST(Config, AutorunChoosesTheSectionWhateverItsCase) {
  Loaded l = Load("pro");
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.config.ConfigSection, "pro");
  EXPECT_EQ(l.Get("LauncherTitle"), u"Example Suite Professional");
  // Both spellings are entries, both read the last value; only the exact
  // spelling is ever looked up by the launcher.
  EXPECT_EQ(l.Get("Button1Text"), u"Lower Case Wins");
  EXPECT_EQ(l.Get("button1text"), u"Lower Case Wins");
  EXPECT_EQ(l.config.LongestButtonText, "Lower Case Wins");
}

TEST(Config, LanguageChoosesMemberSuffixAndCharset) {
  struct Case {
    uint32_t locale;
    const char* suffix;
    uint8_t charset;
  };
  for (const Case& c : {Case{0x0409, "", 1}, Case{0x0000, "", 1}, Case{0x0410, "", 1}, Case{0x0407, "_de", 1},
                        Case{0x0C07, "_de", 1}, Case{0x0C0A, "_es", 1}, Case{0x040C, "_fr", 1},
                        Case{0x0411, "_ja", 128}}) {
    Loaded l = Load("basic", c.locale);
    EXPECT_EQ(l.config.LanguageSuffix, c.suffix) << std::hex << c.locale;
    EXPECT_EQ(l.config.Charset, c.charset) << std::hex << c.locale;
    EXPECT_EQ(l.config.PropertiesMember,
              std::string("com/vestrel/integration/tools/launcher/launcher_windows") + c.suffix + ".properties");
  }
}

TEST(Config, ValuesAreDecodedFromTheSystemCodePage) {
  Loaded german = Load("basic", 0x0407);
  ASSERT_EQ(german.error, "");
  EXPECT_EQ(german.Get("LauncherTitle"), u"Beispiel-Suite f\u00fcr Gr\u00f6\u00dfe");

  // In Shift-JIS the longest text is counted in bytes: six double-byte
  // characters beat seven single-byte ones.
  Loaded japanese = Load("basic", 0x0411);
  ASSERT_EQ(japanese.error, "");
  EXPECT_EQ(japanese.Get("Button1Text"), u"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb");
  EXPECT_EQ(japanese.config.LongestButtonText.size(), 12u);
}

TEST(Config, ShellLauncherFollowsTheWindowsVersion) {
  EXPECT_EQ(Load("basic", 0x409, 4).config.ShellLauncher, "C:\\WINDOWS\\system32\\cmd.exe /min /c start");
  EXPECT_EQ(Load("basic", 0x409, 5).config.ShellLauncher, "C:\\WINDOWS\\explorer.exe");
  EXPECT_EQ(Load("basic", 0x409, 6, "").config.ShellLauncher, "\\explorer.exe");
}

TEST(Config, MissingArchiveFailsAtExtractionAfterTheCharsetIsChosen) {
  Loaded l = Load("no-jar", 0x0411);
  EXPECT_EQ(l.error, kArchiveNotOpen);
  EXPECT_EQ(l.config.ConfigStrings, nullptr);
  EXPECT_EQ(l.config.LongestButtonText, "");
  EXPECT_EQ(l.config.ConfigSection, "ENT");
  EXPECT_EQ(l.config.Charset, kShiftJisCharset);
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
  EXPECT_EQ(l.Get("ActionTotal"), u"");
}

TEST(Config, LoadsAMegabyteOfPropertiesInUnder100msInReleaseBuilds) {
  const auto start = std::chrono::steady_clock::now();
  Loaded l = Load("large-properties");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.config.Entries.size(), 20000u);
  EXPECT_EQ(l.Get("Key19999"), std::u16string(40, u'v'));
#ifdef NDEBUG  // the sanitized debug build is several times slower
  EXPECT_LT(elapsed, std::chrono::milliseconds(100));
#endif
  std::printf("loading 1 MiB of properties took %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

TEST(Config, CurrentDirectoryLosesOnlyATrailingBackslash) {
  DiscFolderHost root("D:\\", 9, 6), folder("C:\\disc", 9, 6), empty("", 9, 6);
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
