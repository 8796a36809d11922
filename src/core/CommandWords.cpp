#include "core/CommandWords.h"

namespace launcher {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Splitter {
 public:
  explicit Splitter(std::string_view line) : line_(line) {}

  CommandWords Split() {
    ProgramWord();
    while (SkipBlanks()) ArgumentWord();
    return std::move(result_);
  }

 private:
  bool SkipBlanks() {
    while (at_ < line_.size() && IsBlank(line_[at_])) ++at_;
    return at_ < line_.size();
  }

  // Appends the character at `at_` to the word's value and steps over it.
  void TakeCharacter(CommandWord& word) {
    const size_t next = NextCharacter(line_, at_);
    word.value.append(line_.substr(at_, next - at_));
    at_ = next;
  }

  void ProgramWord() {
    CommandWord word;
    word.begin = at_;
    if (at_ < line_.size() && line_[at_] == '"') {
      word.quoted = true;
      ++at_;
      while (at_ < line_.size() && line_[at_] != '"') TakeCharacter(word);
      if (at_ < line_.size()) {
        ++at_;  // the closing quote ends the word, blank or not
      } else {
        result_.unclosedQuote = true;
      }
    } else {
      while (at_ < line_.size() && !IsBlank(line_[at_])) TakeCharacter(word);
    }
    word.end = at_;
    result_.words.push_back(std::move(word));
  }

  // Backslashes count only before a quote: 2n of them and a quote give n
  // backslashes and open or close a group; 2n+1 give n and a quote that is
  // text. Inside a group, a run of quotes gives one quote of text for every
  // third, as the system's splitter reads doubled quotes.
  void ArgumentWord() {
    CommandWord word;
    word.begin = at_;
    int quotes = 0;  // the group state: odd while a group is open
    size_t backslashes = 0;
    while (at_ < line_.size()) {
      const char c = line_[at_];
      if (IsBlank(c) && quotes == 0) break;
      if (c == '\\') {
        ++backslashes;
        TakeCharacter(word);
        continue;
      }
      if (c != '"') {
        backslashes = 0;
        TakeCharacter(word);
        continue;
      }
      word.quoted = true;
      word.value.resize(word.value.size() - backslashes / 2 - backslashes % 2);
      if (backslashes % 2) {
        word.value.push_back('"');
      } else {
        ++quotes;
      }
      backslashes = 0;
      for (++at_; at_ < line_.size() && line_[at_] == '"'; ++at_) {
        if (++quotes == 3) {
          word.value.push_back('"');
          quotes = 0;
        }
      }
      if (quotes == 2) quotes = 0;
    }
    if (quotes != 0) result_.unclosedQuote = true;
    word.end = at_;
    result_.words.push_back(std::move(word));
  }

  std::string_view line_;
  size_t at_ = 0;
  CommandWords result_;
};

}  // namespace

CommandWords SplitCommandWords(std::string_view line) { return Splitter(line).Split(); }

bool LooksLikeOption(std::string_view word) { return !word.empty() && (word.front() == '/' || word.front() == '-'); }

std::string QuotedWhenBlank(const std::string& text) {
  const bool blank = FindText(text, " ") != std::string::npos || FindText(text, "\t") != std::string::npos;
  return blank ? Quoted(text) : text;
}

std::string Quoted(const std::string& text) {
  size_t trailing = 0;  // backslashes at the end, counted by whole characters
  for (size_t at = 0; at < text.size(); at = NextCharacter(text, at)) trailing = text[at] == '\\' ? trailing + 1 : 0;
  return "\"" + text + std::string(trailing, '\\') + "\"";
}

}  // namespace launcher
