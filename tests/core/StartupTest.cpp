#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "core/Startup.h"
#include "core/Texts.h"

namespace launcher {
namespace {

// What `action` threw: the error's text and the key it names.
std::pair<std::string, std::string> Thrown(const std::function<void()>& action) {
  try {
    action();
  } catch (const LauncherError& e) {
    return {e.what(), e.Key()};
  }
  return {"<no error>", "<no error>"};
}

std::string ErrorOf(const std::function<void()>& action) { return Thrown(action).first; }
// The key an error says stopped start-up.
std::string StoppingKeyOf(const std::function<void()>& action) { return Thrown(action).second; }

ConfigLookup From(std::map<std::string, std::string> values) {
  return [values](const std::string& key) {
    auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
  };
}

TEST(Startup, ActionTotalIsADecimalInteger) {
  EXPECT_EQ(ReadActionTotal(From({{"ActionTotal", "6"}})), 6);
  EXPECT_EQ(ReadActionTotal(From({{"ActionTotal", "0"}})), 0);
  EXPECT_EQ(ReadActionTotal(From({{"ActionTotal", "-3"}})), -3);
  EXPECT_EQ(ReadActionTotal(From({{"ActionTotal", "+2"}})), 2);
  for (const char* bad : {"", "abc", "6 ", "2.5", "1e3", "99999999999", "+", "-"}) {
    EXPECT_EQ(ErrorOf([&] { ReadActionTotal(From({{"ActionTotal", bad}})); }),
              "'" + std::string(bad) + "' is not a valid integer value");
  }
  EXPECT_EQ(ErrorOf([] { ReadActionTotal(From({})); }), "'' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { TableSize(-1); }), "Range check error");
  EXPECT_EQ(TableSize(0), 0u);
  EXPECT_EQ(StoppingKeyOf([] { ReadActionTotal(From({{"ActionTotal", "x"}})); }), "ActionTotal");
  EXPECT_EQ(StoppingKeyOf([] { TableSize(-1); }), "ActionTotal");
  EXPECT_EQ(StoppingKeyOf([] { StrToBool("x"); }), "");  // a value alone belongs to no key
}

TEST(Startup, AssistIsABoolean) {
  for (const char* yes : {"True", "TRUE", "true", "1", "-1", "2", "0.5", "1e2"}) EXPECT_TRUE(StrToBool(yes)) << yes;
  for (const char* no : {"False", "false", "FaLsE", "0", "0.0", "-0"}) EXPECT_FALSE(StrToBool(no)) << no;
  for (const char* bad : {"", "yes", "T", "on", " true", "0x1", "inf", "nan"}) {
    EXPECT_EQ(ErrorOf([&] { StrToBool(bad); }), "'" + std::string(bad) + "' is not a valid boolean value") << bad;
  }
}

TEST(Startup, ActionTableFillsUpToTheFirstBadAssist) {
  std::vector<Actions> table(3);
  auto config = From({{"Action1", "setup.exe"}, {"Text1", "Core"}, {"Description1", "d"}, {"Assist1", "False"},
                      {"AssistText1", "-q"}, {"Action2", "tools.exe"}, {"Assist2", "maybe"}, {"Assist3", "1"}});
  EXPECT_EQ(ErrorOf([&] { FillActionTable(config, table); }), "'maybe' is not a valid boolean value");
  EXPECT_EQ(StoppingKeyOf([&] { FillActionTable(config, table); }), "Assist2");
  EXPECT_EQ(table[0].Action, "setup.exe");
  EXPECT_EQ(table[0].AssistText, "-q");
  EXPECT_EQ(table[1].Action, "tools.exe");  // read before its Assist failed
  EXPECT_EQ(table[2].Action, "");

  std::vector<Actions> missing(1);
  EXPECT_EQ(ErrorOf([&] { FillActionTable(From({}), missing); }), "'' is not a valid boolean value");
}

TEST(Startup, MenuButtonWithoutTextGetsNoHintAndNoAction) {
  auto config = From({{"Button1Text", "Install"}, {"Button1ToolTip", "tip"}, {"Button1Action", "Action1"},
                      {"Button3ToolTip", "orphan tip"}, {"Button3Action", "setup.exe"}});
  MenuButtonTexts first = MenuButtonFor(config, 1);
  EXPECT_EQ(first.caption, "Install");
  EXPECT_EQ(first.hint, "tip");
  EXPECT_EQ(first.action, "Action1");
  MenuButtonTexts third = MenuButtonFor(config, 3);
  EXPECT_EQ(third.caption + third.hint + third.action, "");
}

TEST(Texts, FullStopOnlyAfterCharactersAboveIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"Range check error", "Range check error."},
      {"Invalid data type for 'PathName'", "Invalid data type for 'PathName'"},
      {"Done.", "Done."}, {"x-", "x-"}, {"x/", "x/."}, {"", ""}};
  for (const auto& [text, shown] : cases) EXPECT_EQ(WithFinalFullStop(text), shown) << text;
}

TEST(Texts, PlacementIsFiftyPixelsOffCentreEvenPastTheScreensEdge) {
  EXPECT_EQ(PlacementOrigin(1024, 606), 159);
  EXPECT_EQ(PlacementOrigin(640, 606), 17);
  EXPECT_EQ(PlacementOrigin(656, 606), 25 - 50);  // room for the window, yet not for the offset
  EXPECT_EQ(PlacementOrigin(400, 606), -103);  // truncating toward zero
}

TEST(Texts, LfCrPairsBecomeOneDrawnBreak) {
  EXPECT_EQ(AsDrawnLineBreaks("a\n\rb"), "a\r\nb");
  EXPECT_EQ(AsDrawnLineBreaks("a\n\r\n\rb"), "a\r\n\r\nb");
  EXPECT_EQ(AsDrawnLineBreaks("a\r\nb\nc\r"), "a\r\nb\nc\r");
}

}  // namespace
}  // namespace launcher
