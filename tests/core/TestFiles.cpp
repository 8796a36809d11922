#include "core/TestFiles.h"

#include <cstdio>
#include <stdexcept>

namespace launcher::test {

std::string Fixture(const std::string& relative) { return "fixtures/" + relative; }

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("missing fixture " + path);
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(f);
  return bytes;
}

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16) |
         static_cast<uint32_t>(bytes.at(at + 3)) << 24;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes.at(at) = static_cast<uint8_t>(value);
  bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Put16(bytes, at, static_cast<uint16_t>(value));
  Put16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

size_t FindSignature(const std::vector<uint8_t>& bytes, uint32_t signature, int nth) {
  for (size_t i = 0; i + 4 <= bytes.size(); ++i) {
    if (Get32(bytes, i) == signature && nth-- == 0) return i;
  }
  throw std::runtime_error("signature not found");
}

}  // namespace launcher::test
