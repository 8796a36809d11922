// A program file on the disc of any content: disccheck reads its headers
// and manifest to tell whether Windows will ask for administrator consent,
// and whether the launcher on it runs from the page file.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ProgramFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  launcher::MemoryFile file(std::vector<uint8_t>(data, data + size));
  launcher::disccheck::ConsentNeededBy(file, "setup.exe");
  launcher::disccheck::ReadProgramHeaders(file);
  return 0;
}
