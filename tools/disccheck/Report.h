// What disccheck found, printed as "file:line: error|warning: message" or
// as JSON.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace launcher::disccheck {

// A note says what the launcher will do, and is no fault of the disc.
enum class Severity { kNote, kWarning, kError };  // in the order of the status they give (0, 1, 2)

struct Finding {
  std::string file;  // relative to the disc; a properties member is install.jar/<member>
  size_t line = 0;   // 0 when no line is known
  Severity severity = Severity::kWarning;
  std::string message;  // UTF-8
};

class Report {
 public:
  void Note(const std::string& file, size_t line, const std::string& message);
  void Warn(const std::string& file, size_t line, const std::string& message);
  void Error(const std::string& file, size_t line, const std::string& message);
  const std::vector<Finding>& Findings() const { return findings_; }
  // 0 clean, 1 warnings only, 2 errors.
  int Status() const;
  void Print(std::ostream& out, bool json) const;

 private:
  std::vector<Finding> findings_;
};

// A JSON string literal.
std::string JsonString(const std::string& utf8);

}  // namespace launcher::disccheck
