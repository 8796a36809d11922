// The support log on disk: `/log FILE` appends one UTF-8 line an event, with
// the local time in ISO 8601 and milliseconds, written through at once and
// readable by others meanwhile. A file that cannot be opened or written
// changes nothing else: the launcher goes on without its log.
#pragma once

#include <string>

#include "core/LoggedHost.h"
#include "windows/system/Handles.h"

namespace launcher {

class FileLog : public LogSink {
 public:
  explicit FileLog(const std::string& path);
  void Write(const std::string& line) override;

 private:
  KernelHandle file_;
};

}  // namespace launcher
