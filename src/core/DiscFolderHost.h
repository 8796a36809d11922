// A ConfigHost for a disc laid out in a folder, with the language and the
// Windows version given rather than asked of the system: what the disc
// author's tool uses to load a disc exactly as the launcher would.
#pragma once

#include <cstdint>
#include <string>

#include "core/ConfigHost.h"
#include "core/Texts.h"

namespace launcher {

class DiscFolderHost : public ConfigHost {
 public:
  // `locale` stands for the thread locale; the code page follows its
  // primary language: 932 for Japanese (17), else 1252.
  DiscFolderHost(std::string discDirectory, uint32_t locale, uint32_t osMajorVersion,
                 std::string systemRoot = "C:\\WINDOWS");

  std::string CurrentDirectory() override { return discDirectory_; }
  uint32_t ThreadLocale() override { return locale_; }
  uint32_t OsMajorVersion() override { return osMajorVersion_; }
  std::string EnvironmentVariable(const std::string& name) override;
  std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) override;
  std::u16string ToWide(std::string_view text) override;
  std::string ToNarrow(std::u16string_view text) override;
  std::string UpperCase(std::string_view text) override;
  void SetCharset(uint8_t charset) override { charset_ = charset; }

  unsigned CodePage() const { return codePage_; }
  uint8_t Charset() const { return charset_; }
  // A launcher path ("dir\file") as this system spells it.
  static std::string SystemPath(const std::string& launcherPath);

 private:
  std::string discDirectory_;
  uint32_t locale_;
  uint32_t osMajorVersion_;
  std::string systemRoot_;
  unsigned codePage_;
  uint8_t charset_ = kDefaultCharset;
};

}  // namespace launcher
