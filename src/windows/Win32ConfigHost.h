// The launcher's answers to what loading the configuration asks of the
// system, through the calls Windows itself offers for each.
#pragma once

#include <functional>

#include "core/ConfigHost.h"

namespace launcher {

class Win32ConfigHost : public ConfigHost {
 public:
  using CharsetSink = std::function<void(uint8_t)>;

  // Takes the thread locale now: it is the one of program start.
  explicit Win32ConfigHost(CharsetSink charsetSink = {});

  std::string CurrentDirectory() override;
  uint32_t ThreadLocale() override { return locale_; }
  uint32_t OsMajorVersion() override;
  std::string EnvironmentVariable(const std::string& name) override;
  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override;
  std::u16string ToWide(std::string_view text) override;
  std::string ToNarrow(std::u16string_view text) override;
  std::string UpperCase(std::string_view text) override;
  void SetCharset(uint8_t charset) override;

 private:
  uint32_t locale_;
  CharsetSink charsetSink_;
};

}  // namespace launcher
