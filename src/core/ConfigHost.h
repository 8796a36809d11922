// What loading the configuration needs of the system. The launcher answers
// with the real Windows calls; disccheck and the tests answer for a disc
// folder of their choosing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "archive/RandomAccessFile.h"

namespace launcher {

inline constexpr uint8_t kDefaultCharset = 1;
inline constexpr uint8_t kShiftJisCharset = 128;

class ConfigHost {
 public:
  virtual ~ConfigHost() = default;

  // The process's current directory as the system gives it (a drive root
  // keeps its trailing "\").
  virtual std::string CurrentDirectory() = 0;
  // The thread's locale identifier as it was at program start.
  virtual uint32_t ThreadLocale() = 0;
  virtual uint32_t OsMajorVersion() = 0;
  // Empty when the variable is not set.
  virtual std::string EnvironmentVariable(const std::string& name) = 0;
  // The profile reader for autorun.inf: at most 2047 characters.
  virtual std::string ReadProfileString(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback) = 0;
  // Null when the file does not exist.
  virtual std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) = 0;

  // 8-bit text in the system code page.
  virtual std::u16string ToWide(std::string_view text) = 0;
  virtual std::string ToNarrow(std::u16string_view text) = 0;
  virtual std::string UpperCase(std::string_view text) = 0;

  // setCharset: gives the font character set to the launcher's windows.
  virtual void SetCharset(uint8_t charset) = 0;
};

}  // namespace launcher
