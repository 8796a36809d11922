#include "Report.h"

#include <cstdio>

namespace launcher::disccheck {

void Report::Note(const std::string& file, size_t line, const std::string& message) {
  findings_.push_back({file, line, Severity::kNote, message});
}

void Report::Warn(const std::string& file, size_t line, const std::string& message) {
  findings_.push_back({file, line, Severity::kWarning, message});
}

void Report::Error(const std::string& file, size_t line, const std::string& message) {
  findings_.push_back({file, line, Severity::kError, message});
}

namespace {

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kNote: return "note";
    case Severity::kWarning: return "warning";
    case Severity::kError: return "error";
  }
  return "";
}

}  // namespace

int Report::Status() const {
  int status = 0;
  for (const Finding& finding : findings_) status = std::max(status, static_cast<int>(finding.severity));
  return status;
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void Report::Print(std::ostream& out, bool json) const {
  if (json) {
    out << "{\"status\": " << Status() << ", \"findings\": [";
    for (size_t i = 0; i < findings_.size(); ++i) {
      const Finding& f = findings_[i];
      out << (i ? ", " : "") << "{\"file\": " << JsonString(f.file) << ", \"line\": " << f.line
          << ", \"severity\": \"" << SeverityName(f.severity)
          << "\", \"message\": " << JsonString(f.message) << "}";
    }
    out << "]}\n";
    return;
  }
  for (const Finding& f : findings_) {
    out << f.file;
    if (f.line) out << ":" << f.line;
    out << ": " << SeverityName(f.severity) << ": " << f.message << "\n";
  }
}

}  // namespace launcher::disccheck
