// An install.jar of any content: open it and extract every member it lists,
// plus one that is not there.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/ZipArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  launcher::ZipArchive archive;
  try {
    archive.Open(std::make_unique<launcher::MemoryFile>(std::vector<uint8_t>(data, data + size)));
  } catch (const launcher::ArchiveError&) {
    return 0;
  }
  std::vector<std::string> names;
  for (const auto& entry : archive.Entries()) names.push_back(entry.name);
  names.push_back("not/in/the/archive");
  for (const auto& name : names) {
    try {
      archive.Extract(name);
    } catch (const launcher::ArchiveError&) {
    }
  }
  return 0;
}
