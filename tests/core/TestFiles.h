// Fixture access for the tests: they run in the build folder, where the
// fixtures lie under fixtures/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace launcher::test {

std::string Fixture(const std::string& relative);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// Little-endian field access for patching archives and pictures.
uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at);
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
// The offset of the n-th (from 0) occurrence of a 32-bit signature.
size_t FindSignature(const std::vector<uint8_t>& bytes, uint32_t signature, int nth = 0);

}  // namespace launcher::test
