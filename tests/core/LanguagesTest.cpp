// Which properties member a user reads: the display languages name the
// candidates, "/lang" puts one first, and the member's bytes say whether it
// is UTF-8 or in the system's code page.
#include <gtest/gtest.h>

#include "core/Arguments.h"
#include "core/Config.h"
#include "core/Languages.h"
#include "core/Utf8.h"
#include "core/TestFiles.h"
#include "sim/DiscFolderHost.h"

namespace launcher {
namespace {

using Suffixes = std::vector<std::string>;

TEST(Languages, EachDisplayLanguageNamesItsCandidatesBeforeTheBaseMember) {
  EXPECT_EQ(MemberSuffixes({"de-CH"}), (Suffixes{"_de_CH", "_de", ""}));
  EXPECT_EQ(MemberSuffixes({"pt-BR"}), (Suffixes{"_pt_BR", "_pt", ""}));
  EXPECT_EQ(MemberSuffixes({"pt_br"}), (Suffixes{"_pt_BR", "_pt", ""}));  // as an author may write it
  EXPECT_EQ(MemberSuffixes({"nb-NO"}), (Suffixes{"_nb_NO", "_nb", "_no", ""}));
  EXPECT_EQ(MemberSuffixes({"sr-Latn-RS"}), (Suffixes{"_sr_Latn_RS", "_sr_Latn", "_sr_RS", "_sr", ""}));
  EXPECT_EQ(MemberSuffixes({"es-419"}), (Suffixes{"_es_419", "_es", ""}));
  // Several languages, in Windows' order; a candidate is tried once.
  EXPECT_EQ(MemberSuffixes({"fr-CH", "de-CH", "fr-FR"}),
            (Suffixes{"_fr_CH", "_fr", "_de_CH", "_de", "_fr_FR", ""}));
  EXPECT_EQ(MemberSuffixes({}), (Suffixes{""}));
}

// Simplified Chinese never falls to the Traditional members, nor
// Traditional to the Simplified ones.
TEST(Languages, ChineseFallsByItsScript) {
  EXPECT_EQ(MemberSuffixes({"zh-TW"}), (Suffixes{"_zh_TW", "_zh_Hant", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh-HK"}), (Suffixes{"_zh_HK", "_zh_Hant", "_zh_TW", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh-CN"}), (Suffixes{"_zh_CN", "_zh_Hans", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh-SG"}), (Suffixes{"_zh_SG", "_zh_Hans", "_zh_CN", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh-Hant-MO"}), (Suffixes{"_zh_MO", "_zh_Hant", "_zh_TW", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh-Hans"}), (Suffixes{"_zh_Hans", "_zh_CN", "_zh", ""}));
  EXPECT_EQ(MemberSuffixes({"zh"}), (Suffixes{"_zh", ""}));
}

TEST(Languages, ATagThatIsNoLanguageTagIsTriedAsWritten) {
  EXPECT_EQ(MemberSuffixes({"klingon"}), (Suffixes{"_klingon", ""}));
  EXPECT_EQ(MemberSuffixes({"x"}), (Suffixes{"_x", ""}));
  EXPECT_EQ(MemberSuffixes({"en-"}), (Suffixes{"_en-", ""}));
  EXPECT_EQ(MemberSuffixes({""}), (Suffixes{""}));
}

TEST(Languages, TheLanguageAskedForComesFirst) {
  EXPECT_EQ(ReadArguments("/LANG pt_BR /log x.log").language, "pt_BR");
  EXPECT_EQ(ReadArguments("/lang").language, std::nullopt);
  EXPECT_EQ(WithPreferredLanguage({"de-DE"}, "ja"), (Suffixes{"ja", "de-DE"}));
  EXPECT_EQ(WithPreferredLanguage({"de-DE"}, std::nullopt), (Suffixes{"de-DE"}));
  EXPECT_EQ(WithoutProgramName("\"C:\\My Disc\\Install_Windows.exe\"  /lang ja"), "/lang ja");
  EXPECT_EQ(WithoutProgramName("Install_Windows.exe\t/quiet"), "/quiet");
  EXPECT_EQ(WithoutProgramName("Install_Windows.exe"), "");
}

TEST(Languages, AMemberIsUtf8ByItsMarkOrByBeingWellFormedUtf8BeyondAscii) {
  EXPECT_EQ(EncodingOf("\xEF\xBB\xBF[ENT]"), TextEncoding::kUtf8);
  EXPECT_EQ(EncodingOf("Title=\xD0\x94\xD0\xB8\xD1\x81\xD0\xBA"), TextEncoding::kUtf8);  // "Диск"
  EXPECT_EQ(EncodingOf("Title=\xF0\x9F\x92\xBF"), TextEncoding::kUtf8);                  // 4 bytes
  // ASCII alone reads the same either way: as ever, in the code page.
  EXPECT_EQ(EncodingOf("Title=Setup"), TextEncoding::kSystemCodePage);
  // Shift-JIS kana start with 0x82 or 0x83, continuation bytes in UTF-8;
  // 1252's "é" is a lone 0xE9; an overlong form and a surrogate are no UTF-8.
  EXPECT_EQ(EncodingOf("\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B"), TextEncoding::kSystemCodePage);
  EXPECT_EQ(EncodingOf("Caf\xE9 cr\xE8me"), TextEncoding::kSystemCodePage);
  EXPECT_EQ(EncodingOf("\xC0\xAF"), TextEncoding::kSystemCodePage);
  EXPECT_EQ(EncodingOf("\xED\xA0\x80"), TextEncoding::kSystemCodePage);
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF[ENT]"), "[ENT]");
}

// The "languages" disc carries a base member, _de, _ja (Shift-JIS), and
// _pt_BR (UTF-8 with its mark) and _pt (UTF-8 without).
TEST(Languages, TheFirstMemberPresentIsReadAndTheLanguageAskedForWins) {
  struct Case {
    const char* displayLanguage;
    std::optional<std::string> asked;
    const char* title;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"pt-BR", std::nullopt, "Portugu\u00eas (Brasil)", TextEncoding::kUtf8},
      {"pt-PT", std::nullopt, "Portugu\u00eas", TextEncoding::kUtf8},
      {"de-CH", std::nullopt, "Deutsch \u00e4\u00f6\u00fc", TextEncoding::kSystemCodePage},
      {"ko-KR", std::nullopt, "English", TextEncoding::kSystemCodePage},
      {"en-US", "pt_BR", "Portugu\u00eas (Brasil)", TextEncoding::kUtf8},
      {"ja-JP", "xx", "\u65e5\u672c\u8a9e", TextEncoding::kSystemCodePage},
  };
  for (const Case& c : cases) {
    DiscFolderHost host(test::Fixture("e2e/languages"), c.displayLanguage, 6);
    ZipArchive archive;
    Configuration config;
    GetConfig(host, archive, config, c.asked);
    EXPECT_EQ(config.ConfigStrings->Get("LauncherTitle"), c.title) << c.displayLanguage;
    EXPECT_EQ(config.Encoding, c.encoding) << c.displayLanguage;
  }
}

}  // namespace
}  // namespace launcher
