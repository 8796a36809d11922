// The launcher's reading of an action text agrees with the system's own
// splitter, word for word, on lines that trip up hand-written ones.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandWords.h"

namespace launcher {
namespace {

std::vector<std::string> SystemWords(const std::string& line) {
  const std::wstring wide(line.begin(), line.end());  // the table is ASCII
  int count = 0;
  wchar_t** words = CommandLineToArgvW(wide.c_str(), &count);
  std::vector<std::string> result;
  for (int i = 0; words && i < count; ++i) {
    const std::wstring word(words[i]);
    result.emplace_back(word.begin(), word.end());
  }
  LocalFree(words);
  return result;
}

TEST(CommandWords, AgreeWithTheSystemsSplitter) {
  const char* lines[] = {
      "setup.exe /S",
      "\"Setup Files\\setup.exe\" /S",
      "msiexec /i \"Product Setup.msi\" /qn",
      "\"a b\"c d",                       // the program word ends at its closing quote
      "\"unclosed program word",
      "p a\"b c\"d e",                    // quotes inside a word
      "p \"C:\\Data\\\\\" /x",             // two backslashes before a quote: one stays
      "p a\\\\\\\"b c",                    // three before a quote: one and a quote of text
      "p a\\\\b \\c\\",                   // backslashes not before a quote stay
      "p \"\"",                           // an empty word
      "p \"a \"\" b\"",                   // a doubled quote inside a group
      "p \"\"\"a\"\"\" b",                // tripled quotes
      "p \"\"\"\" x",
      "p a\"\"b\"\"\"c d",
      "p \"Data Files\\pkg.dat /qn",     // an unclosed quote runs to the end
      "p a\tb\t\"c\td\"",                 // tabs are blanks
      "p trailing   ",
      "  leading blanks",
      "p \\\"quoted\\\"",
  };
  for (const char* line : lines) {
    std::vector<std::string> ours;
    for (const CommandWord& word : SplitCommandWords(line).words) ours.push_back(word.value);
    EXPECT_EQ(ours, SystemWords(line)) << line;
  }
}

}  // namespace
}  // namespace launcher
