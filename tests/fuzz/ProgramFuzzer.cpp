// A program file on the disc of any content: disccheck reads its headers
// and manifest to tell whether Windows will ask for administrator consent.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ProgramConsent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  launcher::MemoryFile file(std::vector<uint8_t>(data, data + size));
  launcher::disccheck::ConsentNeededBy(file, "setup.exe");
  return 0;
}
