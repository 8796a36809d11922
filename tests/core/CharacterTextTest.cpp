// The launcher's texts are UTF-8 once read: a character is one to four
// bytes, and positions, searches and letter case go by whole characters.
// A Shift-JIS disc is converted when it is read, so the second bytes that
// have the codes of "\", "]" or a letter there are never taken for them.
#include <gtest/gtest.h>

#include "core/CharacterText.h"
#include "core/CommandWords.h"
#include "core/Properties.h"
#include "core/Selection.h"
#include "core/SingleAction.h"
#include "core/Tokens.h"
#include "core/Utf8.h"
#include "sim/ScriptedHost.h"

namespace launcher {
namespace {

#define EMOJI "\U0001F4BF"   // 4 bytes: an optical disc
#define HAN "\U0002000B"     // 4 bytes: a CJK character beyond the BMP
#define DISK_RU "\u0434\u0438\u0441\u043a"  // "диск"
#define OMEGA "\u03a9"

TEST(CharacterText, StepsOverWholeCharactersAndBrokenBytesOneByOne) {
  const std::string text = "a" OMEGA "\u8868" EMOJI;
  EXPECT_EQ(NextCharacter(text, 0), 1u);
  EXPECT_EQ(NextCharacter(text, 1), 3u);
  EXPECT_EQ(NextCharacter(text, 3), 6u);
  EXPECT_EQ(NextCharacter(text, 6), 10u);
  EXPECT_EQ(CharacterOffset(text, 3), 6u);
  EXPECT_EQ(CharacterOffset(text, 9), text.size());
  // A lead byte without its continuation, a lone continuation byte, a
  // 4-byte lead cut short: each is a character of its own.
  EXPECT_EQ(NextCharacter("\xE8" "A", 0), 1u);
  EXPECT_EQ(NextCharacter("\x80" "A", 0), 1u);
  EXPECT_EQ(NextCharacter("\xF0\x9F\x92", 0), 1u);
  EXPECT_EQ(FindLastChar("C:\\" HAN "\\x", '\\'), 7u);
  EXPECT_TRUE(EndsWithChar("C:\\" EMOJI "\\", '\\'));
  EXPECT_FALSE(EndsWithChar("C:\\" EMOJI, '\\'));
}

class Utf8DiscTest : public testing::Test {
 protected:
  Utf8DiscTest() {
    host.discTexts = TextEncoding::kUtf8;
    host.configuration = {{"InstallInsertMsg1", "Insert "}, {"FileNotFoundDiskText", " missing"}};
    host.fileExists = [](const std::string& name) { return name == "setup\\setup.exe"; };
    state.CurrentDiscTitle = state.LauncherDiscTitle = "Disc 1";
  }
  UpperCaseFn Upper() {
    return [this](std::string_view s) { return host.UpperCase(s); };
  }
  ScriptedHost host;
  ActionState state;
};

TEST_F(Utf8DiscTest, LetterCaseIsIgnoredCharacterByCharacter) {
  EXPECT_EQ(ReplaceIgnoringCase(DISK_RU " disk DISK", "disk", "Disc", Upper()), DISK_RU " Disc Disc");
  EXPECT_EQ(WithLineBreaks(HAN "<Br>" OMEGA, Upper()), HAN "\n\r" OMEGA);
  EXPECT_EQ(host.UpperCase("\u0434\u0438\u0441\u043a \u03c9"), "\u0414\u0418\u0421\u041a \u03a9");
  EXPECT_EQ(EntryNumberOf(OMEGA "action12", Upper()), OMEGA "12");
  // An upper case of another length keeps the character as it was, so that
  // no position after it moves: "ı" (2 bytes) upper-cases to "I" (1 byte).
  EXPECT_EQ(KeepingPositions("\u0131disk", "IDISK"), "\u0131DISK");
  EXPECT_EQ(KeepingPositions("ab", "A"), "Ab");
}

TEST_F(Utf8DiscTest, TheDiscChangeTitleStartsAtThe13thCharacter) {
  host.answers = {true};
  SingleAction(host, state, host.Config(), {"[DISKCHANGE:" EMOJI " " DISK_RU " 2]setup\\setup.exe", false, "", {}});
  EXPECT_EQ(state.CurrentDiscTitle, EMOJI " " DISK_RU " 2");
  EXPECT_EQ(host.events.front(), "ok-cancel:  | Insert " EMOJI " " DISK_RU " 2 -> OK");
  // Counted in characters wherever the prefix stands: one character before
  // it moves the title's start by one character, not by its bytes.
  host.answers = {true};
  SingleAction(host, state, host.Config(), {OMEGA "[DISKCHANGE:" HAN "X]setup\\setup.exe", false, "", {}});
  EXPECT_EQ(state.CurrentDiscTitle, ":" HAN "X");
}

TEST_F(Utf8DiscTest, CommandWordsAndDescriptionsKeepEveryScript) {
  const CommandWords words = SplitCommandWords("\"\u30bb\u30c3\u30c8\u30a2\u30c3\u30d7\\" EMOJI ".exe\" /S " DISK_RU);
  ASSERT_EQ(words.words.size(), 3u);
  EXPECT_EQ(words.words[0].value, "\u30bb\u30c3\u30c8\u30a2\u30c3\u30d7\\" EMOJI ".exe");
  EXPECT_EQ(words.words[2].value, DISK_RU);
  EXPECT_EQ(DescriptionText(HAN "\\n" OMEGA), HAN "\n\r" OMEGA);
  EXPECT_EQ(replaceTokens("$PWD\\" HAN ".exe", "$PWD", "D:\\\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430"),
            "D:\\\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430\\" HAN ".exe");
}

// Shift-JIS: 評 95 5D (a "]"), 表 95 5C (a "\"), ア 83 41 (an "A"); once the
// member is converted, none of those second bytes is left to misread.
TEST(CharacterText, AShiftJisMemberIsReadByCharacterOnceConverted) {
  ScriptedHost host;
  host.codePage = 932;
  const std::string text = host.FromSystemCodePage("[ENT]\r\nTitle=\x95\x5D\r\n[\x95\x5D\r\nKey\x95\x5C=\x83\x41" "ction1\r\n");
  const auto entries = ReadPropertiesSection(text, "ENT", [&host](std::string_view s) { return host.UpperCase(s); });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].value, "\u8a55");
  EXPECT_EQ(entries[1].key, "");  // the line "[評" is no section header and has no "="
  EXPECT_EQ(entries[2].key, "Key\u8868");
  EXPECT_FALSE(IsChecklistAction(entries[2].value));
  // An 8-bit disc's letter case is the code page's: in 932 only ASCII letters.
  EXPECT_EQ(host.UpperCase("\uff41a"), "\uff41A");
  EXPECT_EQ(host.ToSystemCodePage("\u8868"), "\x95\x5C");
}

TEST(CharacterText, UpperCaseOfAnEightBitDiscIsTheCodePagesAndLeavesOtherScriptsAlone) {
  ScriptedHost host;
  EXPECT_EQ(host.UpperCase("\u00e9t\u00e9 \u0161"), "\u00c9T\u00c9 \u0160");  // 1252's own letters
  EXPECT_EQ(host.UpperCase("\u0434a"), "\u0434A");  // not in 1252: as it was
}

}  // namespace
}  // namespace launcher
