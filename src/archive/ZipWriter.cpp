#include "archive/ZipWriter.h"

#include <zlib.h>

#include <limits>

#include "archive/ZipArchive.h"

namespace launcher {
namespace {

// Every member carries 1980-01-01 00:00, so that packing the same folder
// twice gives the same archive.
constexpr uint16_t kDosTime = 0, kDosDate = (1 << 5) | 1;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::vector<uint8_t> RawDeflate(const std::vector<uint8_t>& data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw ArchiveError("the compressor cannot start");
  }
  std::vector<uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw ArchiveError("the compressor failed");
  return out;
}

}  // namespace

// The fields the local header and the directory entry share, from the
// version needed to the name's length.
void ZipWriter::PutSharedFields(const Written& member) {
  Put16(bytes_, 20);
  Put16(bytes_, 0);
  Put16(bytes_, member.method);
  Put16(bytes_, kDosTime);
  Put16(bytes_, kDosDate);
  Put32(bytes_, member.crc);
  Put32(bytes_, member.compressedSize);
  Put32(bytes_, member.size);
  Put16(bytes_, static_cast<uint32_t>(member.name.size()));
}

void ZipWriter::Add(const std::string& name, const std::vector<uint8_t>& data) {
  constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
  if (data.size() > ZipArchive::kMaxMemberSize) {
    throw ArchiveError("'" + name + "' is larger than the launcher reads (64 MiB)");
  }
  if (members_.size() >= 0xFFFF || name.size() > 0xFFFF) throw ArchiveError("too many members or too long a name");
  std::vector<uint8_t> deflated = RawDeflate(data);
  const bool store = deflated.size() >= data.size();
  const std::vector<uint8_t>& payload = store ? data : deflated;
  if (bytes_.size() + payload.size() + name.size() + 30 > kLimit) throw ArchiveError("the archive would exceed 4 GB");

  Written member{name,
                 static_cast<uint16_t>(store ? 0 : 8),
                 static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), data.data(), static_cast<uInt>(data.size()))),
                 static_cast<uint32_t>(payload.size()),
                 static_cast<uint32_t>(data.size()),
                 static_cast<uint32_t>(bytes_.size())};
  Put32(bytes_, 0x04034b50);
  PutSharedFields(member);
  Put16(bytes_, 0);  // extra field
  bytes_.insert(bytes_.end(), name.begin(), name.end());
  bytes_.insert(bytes_.end(), payload.begin(), payload.end());
  members_.push_back(std::move(member));
}

std::vector<uint8_t> ZipWriter::Finish() {
  const uint32_t directoryOffset = static_cast<uint32_t>(bytes_.size());
  for (const Written& member : members_) {
    Put32(bytes_, 0x02014b50);
    Put16(bytes_, 20);  // made by
    PutSharedFields(member);
    Put16(bytes_, 0);  // extra field
    Put16(bytes_, 0);  // comment
    Put16(bytes_, 0);  // disk
    Put16(bytes_, 0);  // internal attributes
    Put32(bytes_, 0);  // external attributes
    Put32(bytes_, member.offset);
    bytes_.insert(bytes_.end(), member.name.begin(), member.name.end());
  }
  const uint32_t directorySize = static_cast<uint32_t>(bytes_.size()) - directoryOffset;
  Put32(bytes_, 0x06054b50);
  Put16(bytes_, 0);
  Put16(bytes_, 0);
  Put16(bytes_, static_cast<uint32_t>(members_.size()));
  Put16(bytes_, static_cast<uint32_t>(members_.size()));
  Put32(bytes_, directorySize);
  Put32(bytes_, directoryOffset);
  Put16(bytes_, 0);
  return std::move(bytes_);
}

}  // namespace launcher
