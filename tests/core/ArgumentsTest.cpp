#include "core/Arguments.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

TEST(Arguments, TheLogIsNamedOnTheCommandLine) {
  EXPECT_EQ(ReadArguments("").logFile, std::nullopt);
  EXPECT_EQ(ReadArguments("/log C:\\setup.log").logFile, "C:\\setup.log");
  EXPECT_EQ(ReadArguments("  /log   \"C:\\My Logs\\setup.log\"  extra").logFile, "C:\\My Logs\\setup.log");
  EXPECT_EQ(ReadArguments("something /log x.log").logFile, "x.log");
  EXPECT_EQ(ReadArguments("/LOG x.log").logFile, "x.log");
  EXPECT_EQ(ReadArguments("/Log x.log").logFile, "x.log");
  EXPECT_EQ(ReadArguments("/log").logFile, std::nullopt);
  EXPECT_EQ(ReadArguments("/logx y").logFile, std::nullopt);
  EXPECT_EQ(ReadArguments("/log \"\"").logFile, std::nullopt);
}

TEST(Arguments, AnUnattendedRunNamesAButtonOrAListInAnyOrderAndCase) {
  struct Row {
    const char* commandLine;
    bool quiet;
    std::optional<std::string> button, runList, logFile;
  };
  const Row rows[] = {
      {"/quiet /button 3", true, "3", std::nullopt, std::nullopt},
      {"/BUTTON 11 /Quiet", true, "11", std::nullopt, std::nullopt},
      {"/quiet /run Action1,Action3 /log \"C:\\deploy logs\\disc.log\"", true, std::nullopt, "Action1,Action3",
       "C:\\deploy logs\\disc.log"},
      {"/quiet /button x", true, "x", std::nullopt, std::nullopt},  // checked against the disc later
      {"/quiet /button /run", true, "/run", std::nullopt, std::nullopt},
      {"/quiet /button", true, std::nullopt, std::nullopt, std::nullopt},
      {"/button 3", false, "3", std::nullopt, std::nullopt},  // ignored without /quiet
      {"/quiet /button 1 /run Action1", true, "1", "Action1", std::nullopt},
  };
  for (const Row& row : rows) {
    const LauncherArguments read = ReadArguments(row.commandLine);
    EXPECT_EQ(read.quiet, row.quiet) << row.commandLine;
    EXPECT_EQ(read.button, row.button) << row.commandLine;
    EXPECT_EQ(read.runList, row.runList) << row.commandLine;
    EXPECT_EQ(read.logFile, row.logFile) << row.commandLine;
  }
  EXPECT_TRUE(ReadArguments("/?").usage);
  EXPECT_FALSE(ReadArguments("/??").usage);
}

}  // namespace
}  // namespace launcher
