// An action text read as Windows reads a command line: blanks separate the
// words, double quotes group and are removed, and backslashes before a quote
// count as the system's own splitter counts them. The launcher tests the
// file an action names and hands the started program the very line its
// author wrote, so both must read the words the way the program will.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/CharacterText.h"

namespace launcher {

struct CommandWord {
  size_t begin = 0, end = 0;  // the word as written: bytes [begin, end) of the line
  std::string value;          // as the program reads it: quotes removed, backslashes counted
  bool quoted = false;        // a double quote stands in the word as written
};

struct CommandWords {
  std::vector<CommandWord> words;
  bool unclosedQuote = false;  // a quote was never closed: its word reaches to the end of the line
};

// The first word (the program) follows the system's own rule: a quote at
// its start runs to the next quote, with no backslash counting. A blank is
// a space or a tab; a line that starts with one has an empty first word.
CommandWords SplitCommandWords(std::string_view line);

// A word such as "/S", "-q" or "/qn": the launcher takes it for an option
// of the program, not a file, unless a file of that name exists.
bool LooksLikeOption(std::string_view word);

// `text` as one word of a command line, in quotes, with the backslashes
// before the closing quote doubled so that they stay backslashes.
std::string Quoted(const std::string& text);
// The same only when it holds a blank; unchanged otherwise.
std::string QuotedWhenBlank(const std::string& text);

}  // namespace launcher
