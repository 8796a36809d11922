// Writes a ZIP archive the launcher can read: members deflated (or stored
// when deflating would not make them smaller), names as given with "/"
// separators, no ZIP64.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace launcher {

class ZipWriter {
 public:
  // Throws ArchiveError when the archive would need ZIP64.
  void Add(const std::string& name, const std::vector<uint8_t>& data);
  // The whole archive.
  std::vector<uint8_t> Finish();

 private:
  struct Written {
    std::string name;
    uint16_t method;
    uint32_t crc;
    uint32_t compressedSize;
    uint32_t size;
    uint32_t offset;
  };
  void PutSharedFields(const Written& member);

  std::vector<uint8_t> bytes_;
  std::vector<Written> members_;
};

}  // namespace launcher
