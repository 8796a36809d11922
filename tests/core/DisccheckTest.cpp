#include <gtest/gtest.h>

#include <sstream>

#include "Disccheck.h"
#include "core/TestFiles.h"

namespace launcher {
namespace {

struct Output {
  int status;
  std::string out, err;
};

Output RunDisccheck(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = disccheck::Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(DisccheckConfig, PrintsTheConfigurationAsTheLauncherLoadsIt) {
  Output o = RunDisccheck({"config", test::Fixture("discs/pro"), "--os-major", "4"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "section: pro\n"
            "properties: com/vestrel/integration/tools/launcher/launcher_windows.properties\n"
            "charset: 1\n"
            "shell-launcher: C:\\WINDOWS\\system32\\cmd.exe /min /c start\n"
            "longest-button-text: Lower Case Wins\n"
            "entries: 5\n"
            "ActionTotal=1\n"
            "LauncherTitle=Example Suite Professional\n"
            "Button1Text=Lower Case Wins\n"
            "button1text=Lower Case Wins\n"
            "Assist1=True\n");
}

TEST(DisccheckConfig, WritesUtf8AndEscapesBackslashes) {
  Output o = RunDisccheck({"config", test::Fixture("discs/basic"), "--language", "17"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find("charset: 128\n"), std::string::npos);
  EXPECT_NE(o.out.find("LauncherTitle=\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\n"), std::string::npos);
  Output english = RunDisccheck({"config", test::Fixture("discs/basic")});
  EXPECT_NE(english.out.find("Button2Action=$IE $PWD\\\\docs\\\\index.htm\n"), std::string::npos);
}

TEST(DisccheckConfig, ReportsTheLaunchersErrorWithStatus2) {
  Output o = RunDisccheck({"config", test::Fixture("discs/no-jar")});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "error: Archive does not exist - Filename is blank\n");
  EXPECT_EQ(o.out, "");
}

TEST(DisccheckConfig, RejectsBadArguments) {
  EXPECT_EQ(RunDisccheck({}).status, 2);
  EXPECT_EQ(RunDisccheck({"config"}).status, 2);
  EXPECT_EQ(RunDisccheck({"config", "x", "--language"}).status, 2);
  EXPECT_EQ(RunDisccheck({"config", "x", "--language", "ja"}).status, 2);
  EXPECT_EQ(RunDisccheck({"frobnicate"}).status, 2);
  Output help = RunDisccheck({"config", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("config DISC_DIR"), std::string::npos);
}

}  // namespace
}  // namespace launcher
