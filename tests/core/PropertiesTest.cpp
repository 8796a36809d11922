#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "core/Texts.h"
#include "core/Properties.h"

namespace launcher {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries Read(std::string_view text, std::string_view section = "ENT", unsigned codePage = 1252) {
  Entries out;
  for (const auto& e : ReadPropertiesSection(text, section, [codePage](std::string_view s) {
         return UpperCaseInCodePage(codePage, s);
       })) {
    out.emplace_back(e.key, e.value);
  }
  return out;
}

struct Case {
  const char* name;
  std::string text;
  Entries expected;
};

class PropertiesText : public testing::TestWithParam<Case> {};

TEST_P(PropertiesText, YieldsTheSectionsEntries) { EXPECT_EQ(Read(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Format, PropertiesText,
    testing::Values(
        Case{"LineBreaksCrLfAndCrLf", "[ENT]\ra=1\nb=2\r\nc=3", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        Case{"CrCrIsAnEmptyLine", "[ENT]\r\ra=1\n\nb=2", {{"a", "1"}, {"b", "2"}}},
        Case{"NulEndsTheText", std::string("[ENT]\na=1\0\nb=2", 14), {{"a", "1"}}},
        Case{"TrimsControlsAndBlanks", "[ENT]\n\t a \x01= \x7f value\x1f \t\n", {{"a", "\x7f value"}}},
        Case{"SemicolonLinesAreComments", "[ENT]\n;a=1\n  ; b=2\nc=3", {{"c", "3"}}},
        Case{"HashLinesAreEntries", "[ENT]\n#Button9Text=x\n", {{"#Button9Text", "x"}}},
        Case{"LinesBeforeAnySectionAreIgnored", "a=1\n[ENT]\nb=2", {{"b", "2"}}},
        Case{"SecondEqualsBelongsToTheValue", "[ENT]\na = b = c", {{"a", "b = c"}}},
        Case{"NoEscapesAreProcessed", "[ENT]\na=C:\\new\\u0041 \"q\" \\", {{"a", "C:\\new\\u0041 \"q\" \\"}}},
        Case{"UnterminatedBracketIsAnOrdinaryLine", "[ENT]\n[OTHER\nb=2", {{"", ""}, {"b", "2"}}},
        Case{"SectionNameIsTrimmedAndCaseless", "[ other ]\na=1\n[  ent ]\nb=2", {{"b", "2"}}},
        Case{"LastSectionOfANameWinsAlone", "[ENT]\na=1\n[X]\nx=0\n[Ent]\nb=2", {{"b", "2"}}},
        Case{"KeysOfOtherSectionsStayOut", "[ENT]\na=1\n[PRO]\nb=2", {{"a", "1"}}},
        Case{"DuplicateKeysAllReadTheLastValue",
             "[ENT]\nButton1Text=A\nx=1\nbutton1text=B",
             {{"Button1Text", "B"}, {"x", "1"}, {"button1text", "B"}}},
        Case{"LineWithoutEqualsHasTheEmptyKey", "[ENT]\nlonely\n=first\n=second", {{"", "second"}, {"", "second"}, {"", "second"}}},
        Case{"EmptyKeyWithoutEqualsLinesIsEmpty", "[ENT]\nlonely", {{"", ""}}},
        Case{"MissingSectionIsEmpty", "[PRO]\na=1", {}},
        Case{"EmptyText", "", {}}),
    [](const testing::TestParamInfo<Case>& param) { return param.param.name; });

TEST(Properties, ComparesKeysWithTheCodePagesUpperCasing) {
  // A-umlaut and a-umlaut are one key in code page 1252.
  EXPECT_EQ(Read("[ENT]\n\xE4=1\n\xC4=2"), (Entries{{"\xE4", "2"}, {"\xC4", "2"}}));
  // In Shift-JIS the second byte of a double-byte character is no letter,
  // even when it has the code of one.
  EXPECT_EQ(Read("[ENT]\n\x83\x61=1\n\x83\x41=2", "ENT", 932), (Entries{{"\x83\x61", "1"}, {"\x83\x41", "2"}}));
}

// Twice the text must take about twice the time: a reader that rescans
// the text per line (quadratic) takes four times as long. The fastest of a
// few runs each keeps the machine's noise out.
TEST(Properties, LoadsLargeTextsInLinearTime) {
  auto text = [](int keys) {
    std::string out = "[ENT]\n";
    for (int i = 0; i < keys; ++i) out += "Key" + std::to_string(i) + "=" + std::string(40, 'v') + "\n";
    return out;
  };
  const UpperCaseFn upper = [](std::string_view s) { return UpperCaseInCodePage(1252, s); };
  auto fastest = [&](const std::string& properties, size_t keys) {
    auto best = std::chrono::steady_clock::duration::max();
    // The best of several runs: one run can be slowed by the machine.
    for (int run = 0; run < 7; ++run) {
      const auto start = std::chrono::steady_clock::now();
      EXPECT_EQ(ReadPropertiesSection(properties, "ENT", upper).size(), keys);
      best = std::min(best, std::chrono::steady_clock::now() - start);
    }
    return std::chrono::duration<double>(best).count();
  };
  const double single = fastest(text(20000), 20000), twice = fastest(text(40000), 40000);
  EXPECT_LT(twice, 3.0 * single) << single << " s for 20 000 keys, " << twice << " s for 40 000";
}

}  // namespace
}  // namespace launcher
