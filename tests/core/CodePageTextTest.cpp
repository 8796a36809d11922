// Texts in the Japanese code page: a two-byte character's second byte may
// have the code of "\", "]", "n" or a letter, and must never be taken for
// one. Every case also runs in code page 1252, where those bytes are
// characters of their own and the byte rules hold.
#include <gtest/gtest.h>

#include "core/CodePageText.h"
#include "core/CommandWords.h"
#include "core/Config.h"
#include "core/Properties.h"
#include "core/Selection.h"
#include "core/SingleAction.h"
#include "core/Texts.h"
#include "core/Tokens.h"
#include "sim/ScriptedHost.h"

namespace launcher {
namespace {

// Shift-JIS: 評 95 5D (a "]"), 表 95 5C (a "\"), ア 83 41 (an "A"),
// ヤ 83 65 (an "e"), 価 89 BF, 版 94 C5, ソ 83 5C.
#define HYOU "\x95\x5D"
#define OMOTE "\x95\x5C"
#define A_KANA "\x83\x41"
#define YA "\x83\x65"
#define HYOUKAHAN "\x95\x5D\x89\xBF\x94\xC5"
#define SO "\x83\x5C"

const LeadBytes kJapanese = LeadBytes::ForCodePage(932);
const LeadBytes kWestern = LeadBytes::ForCodePage(1252);
UpperCaseFn Upper(unsigned codePage) {
  return [codePage](std::string_view s) { return UpperCaseInCodePage(codePage, s); };
}

TEST(CodePageText, SearchesStartOnlyWhereACharacterStarts) {
  struct Case {
    const char* text;
    const char* pattern;
    size_t in932, in1252;
  };
  const Case cases[] = {
      {HYOU "]", "]", 2, 1},
      {OMOTE, "\\", std::string::npos, 1},
      {"a" A_KANA "ction", "Action", std::string::npos, 2},
      {YA "xplorer", "explorer", std::string::npos, 1},
      {"ab", "b", 1, 1},
      {"\x95", "\x95", 0, 0},  // a lead byte at the end is a character of its own
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindText(c.text, c.pattern, kJapanese), c.in932) << c.text;
    EXPECT_EQ(FindText(c.text, c.pattern, kWestern), c.in1252) << c.text;
  }
  EXPECT_EQ(FindLastChar("a " HYOU " " YA, ' ', kJapanese), 4u);
  EXPECT_EQ(FindLastChar(OMOTE, '\\', kJapanese), std::string::npos);
  EXPECT_TRUE(EndsWithChar("C:\\" OMOTE "\\", '\\', kJapanese));
  EXPECT_FALSE(EndsWithChar("C:\\" OMOTE, '\\', kJapanese));
  EXPECT_TRUE(EndsWithChar("C:\\" OMOTE, '\\', kWestern));
  EXPECT_EQ(CharacterOffset(HYOUKAHAN "x", 3, kJapanese), 6u);
  EXPECT_EQ(CharacterOffset(HYOUKAHAN "x", 3, kWestern), 3u);
}

TEST(CodePageText, ReplacementsLeaveTwoByteCharactersWhole) {
  EXPECT_EQ(replaceTokens(YA "xplorer", "explorer", "X", kJapanese), YA "xplorer");
  EXPECT_EQ(replaceTokens(YA "xplorer", "explorer", "X", kWestern), "\x83X");
  EXPECT_EQ(replaceTokens(SO "$PWD" SO, "$PWD", "D:", kJapanese), SO "D:" SO);
  EXPECT_EQ(WithLineBreaks(HYOU "<br>" HYOU, Upper(932), kJapanese), HYOU "\n\r" HYOU);
  // "disk" where its "d" would be a second byte (0x83 0x64) is no "disk".
  EXPECT_EQ(ReplaceIgnoringCase("\x83" "disk disk", "disk", "Disc", Upper(932), kJapanese), "\x83" "disk Disc");
  EXPECT_EQ(ReplaceIgnoringCase("\x83" "disk disk", "disk", "Disc", Upper(1252), kWestern), "\x83" "Disc Disc");
  // Upper-casing leaves the second byte alone (ヤ's "e" stays "e").
  EXPECT_EQ(UpperCaseInCodePage(932, YA "e"), YA "E");
}

// ソ's second byte has the code of "\\": before a quote it escapes nothing
// in a Japanese text, and it is no backslash that ends a quoted word.
TEST(CodePageText, CommandWordsLeaveTwoByteCharactersWhole) {
  const CommandWords japanese = SplitCommandWords("x a" SO "\"b c\" " SO, kJapanese);
  ASSERT_EQ(japanese.words.size(), 3u);
  EXPECT_EQ(japanese.words[1].value, "a" SO "b c");
  EXPECT_EQ(japanese.words[2].value, SO);
  const CommandWords western = SplitCommandWords("x a" SO "\"b c\" " SO, kWestern);
  ASSERT_EQ(western.words.size(), 3u);
  EXPECT_EQ(western.words[1].value, "a\x83\"b");
  EXPECT_TRUE(western.unclosedQuote);
  EXPECT_EQ(Quoted("D:\\" SO, kJapanese), "\"D:\\" SO "\"");  // no backslash to double
}

TEST(CodePageText, DescriptionsBreakOnlyAtABackslashOfTheirOwn) {
  EXPECT_EQ(DescriptionText(OMOTE "n", kJapanese), OMOTE "n");
  EXPECT_EQ(DescriptionText(OMOTE "n", kWestern), "\x95\n\r");
  EXPECT_EQ(DescriptionText(OMOTE "\\n" HYOU, kJapanese), OMOTE "\n\r" HYOU);
}

TEST(CodePageText, ChecklistsAndTheirItemsAreReadByCharacter) {
  EXPECT_FALSE(IsChecklistAction(A_KANA "ction1", kJapanese));
  EXPECT_TRUE(IsChecklistAction(A_KANA "ction1", kWestern));
  EXPECT_EQ(SplitCompoundList("Action1," HYOU ",Action2", kJapanese),
            (std::vector<std::string>{"Action1", HYOU, "Action2"}));
  EXPECT_EQ(EntryNumberOf("Action" A_KANA "ction", Upper(932), kJapanese), A_KANA "ction");
}

TEST(CodePageText, PropertiesKeepKeysAndSectionsWhole) {
  // "[評" is no section header: its "]" is the second byte of 評.
  const std::string text = "[ENT]\r\nTitle=" HYOU "\r\n[" HYOU "\r\nKey" OMOTE "=1\r\n";
  const auto japanese = ReadPropertiesSection(text, "ENT", Upper(932), kJapanese);
  ASSERT_EQ(japanese.size(), 3u);
  EXPECT_EQ(japanese[1].key, "");  // the line "[評" has no "="
  EXPECT_EQ(japanese[2].key, "Key" OMOTE);
  const auto western = ReadPropertiesSection(text, "ENT", Upper(1252), kWestern);
  EXPECT_EQ(western.size(), 1u);  // "[\x95]" starts another section
}

class JapaneseActionTest : public testing::Test {
 protected:
  JapaneseActionTest() {
    host.codePage = 932;
    host.configuration = {{"InstallInsertMsg1", "Insert "}, {"FileNotFoundDiskText", " missing"}};
    host.fileExists = [](const std::string& name) { return name == "setup\\setup.exe"; };
    state.CurrentDiscTitle = state.LauncherDiscTitle = "Disc 1";
  }
  ScriptedHost host;
  ActionState state;
};

TEST_F(JapaneseActionTest, TheDiscChangeAsksForTheWholeTitle) {
  host.answers = {true};
  SingleAction(host, state, host.Config(), {"[DISKCHANGE:" HYOUKAHAN " disc 2]setup\\setup.exe", false, "", {}});
  EXPECT_EQ(host.events, (std::vector<std::string>{"ok-cancel:  | Insert " HYOUKAHAN " disc 2 -> OK", "foreground",
                                                   "start: setup\\setup.exe"}));
  EXPECT_EQ(state.CurrentDiscTitle, HYOUKAHAN " disc 2");
  // A title whose last character has the code of "]" as its second byte.
  host.events.clear();
  host.answers = {true};
  SingleAction(host, state, host.Config(), {"[DISKCHANGE:" HYOU "]setup\\setup.exe", false, "", {}});
  EXPECT_EQ(state.CurrentDiscTitle, HYOU);
  // The same bytes in code page 1252 end the title at the first "]".
  host.codePage = 1252;
  host.events.clear();
  host.answers = {true, false};
  SingleAction(host, state, host.Config(), {"[DISKCHANGE:" HYOUKAHAN " disc 2]setup\\setup.exe", false, "", {}});
  EXPECT_EQ(host.events.front(), "ok-cancel:  | Insert \x95 -> OK");
}

TEST_F(JapaneseActionTest, AFolderEndingInATrailBackslashKeepsItsLastCharacter) {
  host.currentDirectory = "C:\\" OMOTE;
  EXPECT_EQ(ReturnCurrentDirectory(host), "C:\\" OMOTE);
  host.currentDirectory = "C:\\" OMOTE "\\";
  EXPECT_EQ(ReturnCurrentDirectory(host), "C:\\" OMOTE);
  host.codePage = 1252;
  host.currentDirectory = "C:\\" OMOTE;
  EXPECT_EQ(ReturnCurrentDirectory(host), "C:\\\x95");
}

}  // namespace
}  // namespace launcher
