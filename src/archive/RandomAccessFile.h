// The archive reader's view of a file: its size and reads at an offset. The
// platform layers open real files; tests hand in memory or counting files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace launcher {

class RandomAccessFile {
 public:
  virtual ~RandomAccessFile() = default;
  virtual uint64_t Size() const = 0;
  // Reads exactly `count` bytes at `offset`; false when the file is shorter
  // or the read fails.
  virtual bool ReadAt(uint64_t offset, void* buffer, size_t count) = 0;
};

// A file held in memory, for archives that arrive as bytes.
class MemoryFile : public RandomAccessFile {
 public:
  explicit MemoryFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override;

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace launcher
