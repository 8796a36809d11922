#include "archive/ZipArchive.h"

#include "archive/Inflater.h"

#include <algorithm>
#include <cstring>

namespace launcher {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kCentralSize = 46;
constexpr size_t kLocalSize = 30;
constexpr uint64_t kMaxComment = 0xFFFF;
// A directory of this size holds far more entries than any disc needs.
constexpr uint64_t kMaxDirectorySize = 64ull * 1024 * 1024;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kDeflate64 = 9;
constexpr uint16_t kEncryptedFlag = 1;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint64_t Le64(const uint8_t* p) { return Le32(p) | static_cast<uint64_t>(Le32(p + 4)) << 32; }

[[noreturn]] void Damaged(const std::string& why) { throw ArchiveError("Damaged archive: " + why); }

[[noreturn]] void BadMember(const ZipArchive::Entry& entry, const std::string& why) {
  throw ArchiveError("Cannot extract '" + entry.name + "' from the archive: " + why);
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// Replaces 32-bit fields that are saturated with their values from a ZIP64
// extra field, in the order the format gives.
void ApplyZip64Extra(const uint8_t* extra, size_t length, ZipArchive::Entry& entry) {
  size_t pos = 0;
  while (pos + 4 <= length) {
    uint16_t id = Le16(extra + pos);
    size_t size = Le16(extra + pos + 2);
    pos += 4;
    if (size > length - pos) Damaged("an extra field of '" + entry.name + "' runs past its end");
    if (id == 0x0001) {
      size_t field = pos;
      for (uint64_t* value : {&entry.size, &entry.compressedSize, &entry.localHeaderOffset}) {
        if (*value != 0xFFFFFFFFu) continue;
        if (field + 8 > pos + size) Damaged("the ZIP64 field of '" + entry.name + "' is too short");
        *value = Le64(extra + field);
        field += 8;
      }
      return;
    }
    pos += size;
  }
}

}  // namespace

bool ZipArchive::IsReadableMethod(uint16_t method) {
  return method == kStored || method == kDeflated || method == kDeflate64;
}

std::string ZipArchive::CompressionMethodName(uint16_t method) {
  switch (method) {
    case kStored: return "stored";
    case 1: return "shrunk";
    case 2: case 3: case 4: case 5: return "reduced";
    case 6: return "imploded";
    case kDeflated: return "deflated";
    case kDeflate64: return "deflate64";
    case 12: return "bzip2";
    case 14: return "LZMA";
    case 93: return "Zstandard";
    case 95: return "xz";
    case 98: return "PPMd";
    default: return "unknown";
  }
}

bool MemoryFile::ReadAt(uint64_t offset, void* buffer, size_t count) {
  if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
  if (count) std::memcpy(buffer, bytes_.data() + offset, count);
  return true;
}

void ZipArchive::Close() {
  file_.reset();
  entries_.clear();
  directoryOffset_ = 0;
}

void ZipArchive::Open(std::unique_ptr<RandomAccessFile> file) {
  Close();
  if (!file) return;
  file_ = std::move(file);
  try {
    ReadDirectory();
  } catch (...) {
    Close();
    throw;
  }
}

void ZipArchive::ReadDirectory() {
  const uint64_t fileSize = file_->Size();
  if (fileSize < kEndSize) throw ArchiveError(kNotAnArchive);

  // The end record sits within the last 22 + 65535 bytes (its comment is at
  // most 65535 bytes long); that bounds the search whatever the file's size.
  const uint64_t tailSize = std::min<uint64_t>(fileSize, kEndSize + kMaxComment);
  const uint64_t tailStart = fileSize - tailSize;
  std::vector<uint8_t> tail(static_cast<size_t>(tailSize));
  if (!file_->ReadAt(tailStart, tail.data(), tail.size())) Damaged("the end of the file cannot be read");
  size_t end = tail.size() - kEndSize + 1;
  bool found = false;
  while (end-- > 0) {
    if (Le32(&tail[end]) == kEndSignature && end + kEndSize + Le16(&tail[end + 20]) <= tail.size()) {
      found = true;
      break;
    }
  }
  if (!found) throw ArchiveError(kNotAnArchive);

  const uint8_t* record = &tail[end];
  const uint64_t endOffset = tailStart + end;
  if (Le16(record + 4) != 0 || Le16(record + 6) != 0) Damaged("archives split over several files are not supported");
  uint64_t count = Le16(record + 10);
  uint64_t directorySize = Le32(record + 12);
  uint64_t directoryOffset = Le32(record + 16);
  uint64_t directoryEnd = endOffset;

  if (count == 0xFFFF || directorySize == 0xFFFFFFFFu || directoryOffset == 0xFFFFFFFFu) {
    if (endOffset >= kZip64LocatorSize) {
      uint8_t locator[kZip64LocatorSize];
      if (file_->ReadAt(endOffset - kZip64LocatorSize, locator, sizeof locator) &&
          Le32(locator) == kZip64LocatorSignature) {
        uint64_t zip64Offset = Le64(locator + 8);
        uint8_t zip64[kZip64EndSize];
        if (zip64Offset > endOffset - kZip64LocatorSize ||
            !file_->ReadAt(zip64Offset, zip64, sizeof zip64) || Le32(zip64) != kZip64EndSignature) {
          Damaged("the ZIP64 end record is missing");
        }
        count = Le64(zip64 + 32);
        directorySize = Le64(zip64 + 40);
        directoryOffset = Le64(zip64 + 48);
        directoryEnd = zip64Offset;
      }
    }
  }

  if (directoryOffset > directoryEnd || directorySize > directoryEnd - directoryOffset) {
    Damaged("the directory lies outside the file");
  }
  if (directorySize > kMaxDirectorySize) Damaged("the directory is too large");
  if (count > directorySize / kCentralSize) Damaged("the end record counts more entries than the directory holds");

  std::vector<uint8_t> directory(static_cast<size_t>(directorySize));
  if (!file_->ReadAt(directoryOffset, directory.data(), directory.size())) Damaged("the directory cannot be read");

  entries_.reserve(static_cast<size_t>(count));
  size_t pos = 0;
  for (uint64_t i = 0; i < count; ++i) {
    if (directory.size() - pos < kCentralSize || Le32(&directory[pos]) != kCentralSignature) {
      Damaged("the directory holds fewer entries than its end record counts");
    }
    const uint8_t* h = &directory[pos];
    size_t nameLength = Le16(h + 28), extraLength = Le16(h + 30), commentLength = Le16(h + 32);
    if (directory.size() - pos - kCentralSize < nameLength + extraLength + commentLength) {
      Damaged("a directory entry runs past the directory's end");
    }
    Entry entry;
    entry.flags = Le16(h + 8);
    entry.method = Le16(h + 10);
    entry.crc = Le32(h + 16);
    entry.compressedSize = Le32(h + 20);
    entry.size = Le32(h + 24);
    entry.localHeaderOffset = Le32(h + 42);
    entry.name.assign(reinterpret_cast<const char*>(h + kCentralSize), nameLength);
    ApplyZip64Extra(h + kCentralSize + nameLength, extraLength, entry);
    entries_.push_back(std::move(entry));
    pos += kCentralSize + nameLength + extraLength + commentLength;
  }
  if (directory.size() - pos >= 4 && Le32(&directory[pos]) == kCentralSignature) {
    Damaged("the directory holds more entries than its end record counts");
  }
  directoryOffset_ = directoryOffset;
}

const ZipArchive::Entry* ZipArchive::FindEntry(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (EqualIgnoringAsciiCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

std::optional<std::vector<uint8_t>> ZipArchive::Extract(std::string_view name) {
  if (!file_) throw ArchiveError(kArchiveNotOpen);
  const Entry* found = FindEntry(name);
  if (!found) return std::nullopt;
  const Entry& entry = *found;

  if (entry.flags & kEncryptedFlag) BadMember(entry, "it is encrypted");
  if (!IsReadableMethod(entry.method)) {
    BadMember(entry, "its compression method " + std::to_string(entry.method) + " (" +
                         CompressionMethodName(entry.method) + ") is not supported");
  }
  if (entry.size > kMaxMemberSize) {
    BadMember(entry, "it is larger than " + std::to_string(kMaxMemberSize >> 20) + " MiB");
  }
  if (entry.method == kStored && entry.compressedSize != entry.size) {
    BadMember(entry, "its stored and declared sizes differ");
  }
  if (entry.method != kStored && entry.size / kMaxDeflateRatio > entry.compressedSize) {
    BadMember(entry, "its declared size is impossible for its compressed size");
  }

  const uint64_t offset = DataOffset(entry);
  std::vector<uint8_t> data =
      entry.method == kStored
          ? ReadStored(entry, offset)
          : Decompress(entry, offset, entry.method == kDeflated ? DeflateVariant::kDeflate : DeflateVariant::kDeflate64);
  if (Crc32(data) != entry.crc) BadMember(entry, "its CRC-32 does not match");
  return data;
}

uint64_t ZipArchive::DataOffset(const Entry& entry) {
  uint8_t header[kLocalSize];
  if (entry.localHeaderOffset > directoryOffset_ || directoryOffset_ - entry.localHeaderOffset < kLocalSize ||
      !file_->ReadAt(entry.localHeaderOffset, header, sizeof header) || Le32(header) != kLocalSignature) {
    BadMember(entry, "its local header is missing");
  }
  const uint64_t nameLength = Le16(header + 26), extraLength = Le16(header + 28);
  const uint64_t dataOffset = entry.localHeaderOffset + kLocalSize + nameLength + extraLength;
  if (Le16(header + 8) != entry.method || nameLength != entry.name.size()) {
    BadMember(entry, "its local header disagrees with the directory");
  }
  std::string localName(entry.name.size(), '\0');
  if (!file_->ReadAt(entry.localHeaderOffset + kLocalSize, localName.data(), localName.size()) ||
      localName != entry.name) {
    BadMember(entry, "its local header disagrees with the directory");
  }
  if (dataOffset > directoryOffset_ || entry.compressedSize > directoryOffset_ - dataOffset) {
    BadMember(entry, "its data runs into the directory");
  }
  return dataOffset;
}

std::vector<uint8_t> ZipArchive::ReadStored(const Entry& entry, uint64_t offset) {
  std::vector<uint8_t> data(static_cast<size_t>(entry.size));
  if (!file_->ReadAt(offset, data.data(), data.size())) BadMember(entry, "its data cannot be read");
  return data;
}

std::vector<uint8_t> ZipArchive::Decompress(const Entry& entry, uint64_t offset, DeflateVariant variant) {
  std::vector<uint8_t> data(static_cast<size_t>(entry.size));
  uint64_t remaining = entry.compressedSize;
  const InflateSource source = [&](std::span<uint8_t> buffer) -> size_t {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(remaining, buffer.size()));
    if (n && !file_->ReadAt(offset, buffer.data(), n)) return kInflateSourceFailed;
    offset += n;
    remaining -= n;
    return n;
  };
  switch (Inflate(variant, source, data)) {
    case InflateResult::kComplete: return data;
    case InflateResult::kTooLong: BadMember(entry, "it holds more data than declared");
    case InflateResult::kTooShort: BadMember(entry, "it holds less data than declared");
    case InflateResult::kEndsEarly: BadMember(entry, "its data ends early");
    case InflateResult::kUnreadable: BadMember(entry, "its data cannot be read");
    case InflateResult::kDamaged: break;
  }
  BadMember(entry, "its compressed data is damaged");
}

}  // namespace launcher
