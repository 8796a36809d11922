#include <gtest/gtest.h>

#include <set>

#include "core/CommandLine.h"

namespace launcher {
namespace {

// Program files as a plain start would find them; the search hands back
// the name it found.
std::optional<ProgramStart> Split(std::string_view commandLine, const std::set<std::string>& files) {
  return SplitCommandLine(commandLine, [&](const std::string& name) -> std::optional<std::string> {
    if (!files.count(name)) return std::nullopt;
    return name;
  });
}

TEST(SplitCommandLine, ReadsTheCommandLineAsAPlainStartDoes) {
  struct Case {
    const char* commandLine;
    std::set<std::string> files;
    const char* program;  // null: no program file
    const char* parameters;
  };
  const Case cases[] = {
      {"setup.exe /q", {"setup.exe"}, "setup.exe", "/q"},
      {"setup.exe", {"setup.exe"}, "setup.exe", ""},
      // Blanks in folder names: the shortest prefix that names a file wins.
      {"D:\\My Disc\\setup.exe /q a b", {"D:\\My Disc\\setup.exe"}, "D:\\My Disc\\setup.exe", "/q a b"},
      {"D:\\My Disc\\setup.exe /q", {"D:\\My.exe", "D:\\My Disc\\setup.exe"}, "D:\\My.exe",
       "Disc\\setup.exe /q"},
      // $PWD in a folder with blanks, the parameters naming the same folder.
      {"C:\\Setup Files\\x\\setup.exe C:\\Setup Files\\x\\a.cmp", {"C:\\Setup Files\\x\\setup.exe"},
       "C:\\Setup Files\\x\\setup.exe", "C:\\Setup Files\\x\\a.cmp"},
      // Names without an extension are tried with ".exe".
      {"setup /q", {"setup.exe"}, "setup.exe", "/q"},
      {"tools\\setup /q", {"tools\\setup", "tools\\setup.exe"}, "tools\\setup.exe", "/q"},
      {"tools\\setup /q", {"tools\\setup"}, nullptr, nullptr},
      // A dot in a folder name is no extension.
      {"v1.2\\setup /q", {"v1.2\\setup.exe"}, "v1.2\\setup.exe", "/q"},
      {"setup.msi /q", {"setup.msi"}, "setup.msi", "/q"},
      // Parameters are passed on unchanged, blanks included.
      {"setup.exe  two  blanks ", {"setup.exe"}, "setup.exe", " two  blanks "},
      // A quoted name ends at its quote.
      {"\"D:\\My Disc\\setup.exe\" /q", {"D:\\My Disc\\setup.exe"}, "D:\\My Disc\\setup.exe", "/q"},
      {"\"D:\\My Disc\\setup\"", {"D:\\My Disc\\setup.exe"}, "D:\\My Disc\\setup.exe", ""},
      {"nothere.exe /q", {"setup.exe"}, nullptr, nullptr},
      {"", {".exe"}, nullptr, nullptr},
  };
  // A folder "v1.表" has no extension, but "表.msi" has one.
  auto found = [](const std::set<std::string>& files) {
    return [files](const std::string& name) -> std::optional<std::string> {
      return files.count(name) ? std::optional<std::string>(name) : std::nullopt;
    };
  };
  EXPECT_EQ(SplitCommandLine("\u8868.msi /q", found({"\u8868.msi"}))->program, "\u8868.msi");
  EXPECT_EQ(SplitCommandLine("v1.\u8868\\setup /q", found({"v1.\u8868\\setup.exe"}))->program,
            "v1.\u8868\\setup.exe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    const auto start = Split(c.commandLine, c.files);
    if (!c.program) {
      EXPECT_FALSE(start.has_value());
      continue;
    }
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->program, c.program);
    EXPECT_EQ(start->parameters, c.parameters);
  }
}

}  // namespace
}  // namespace launcher
