// Reads members of a ZIP archive (install.jar) whole into memory.
//
// Opening reads only the end record and the central directory, so the cost
// grows with the number of entries, not with the archive's size. Every size
// and offset taken from the file is checked before use, and no member larger
// than kMaxMemberSize is ever allocated.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "archive/Inflater.h"
#include "archive/RandomAccessFile.h"

namespace launcher {

class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kArchiveNotOpen[] = "Archive does not exist - Filename is blank";
inline constexpr char kNotAnArchive[] = "Unhandled Archive Type";

class ZipArchive {
 public:
  static constexpr uint64_t kMaxMemberSize = 64ull * 1024 * 1024;
  // Deflate cannot expand data by more than about 1032:1; a larger declared
  // ratio is a lie or a bomb. Deflate64's longest lengths could go further in
  // theory, but the archivers that write it match at most 257 bytes at a
  // time, so the same cap holds for it.
  static constexpr uint64_t kMaxDeflateRatio = 1032;

  struct Entry {
    std::string name;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint32_t crc = 0;
    uint64_t compressedSize = 0;
    uint64_t size = 0;
    uint64_t localHeaderOffset = 0;
  };

  // Closes what is open, then opens `file`. A null file (the archive does not
  // exist) leaves nothing open and is no error. Throws ArchiveError with
  // kNotAnArchive when the file is no ZIP archive, or with a description of
  // the damage when its directory is broken.
  void Open(std::unique_ptr<RandomAccessFile> file);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  // The member's bytes, or nothing when no member has that name (ASCII
  // letters compared without regard to case). Throws ArchiveError with
  // kArchiveNotOpen when nothing is open, and an error naming the member when
  // it cannot be extracted intact.
  std::optional<std::vector<uint8_t>> Extract(std::string_view name);

  const std::vector<Entry>& Entries() const { return entries_; }

  // Stored, deflated and deflate64 members are read; the older methods
  // (shrunk, reduced, imploded) and the newer ones are refused by name.
  static bool IsReadableMethod(uint16_t method);
  static std::string CompressionMethodName(uint16_t method);

 private:
  void ReadDirectory();
  const Entry* FindEntry(std::string_view name) const;
  uint64_t DataOffset(const Entry& entry);
  std::vector<uint8_t> ReadStored(const Entry& entry, uint64_t offset);
  std::vector<uint8_t> Decompress(const Entry& entry, uint64_t offset, DeflateVariant variant);

  std::unique_ptr<RandomAccessFile> file_;
  std::vector<Entry> entries_;
  uint64_t directoryOffset_ = 0;
};

}  // namespace launcher
