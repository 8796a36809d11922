// The properties text as a disc may carry it, read for a section named by the
// first line of the input, in both code pages' upper-casing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Texts.h"
#include "core/HashMap.h"
#include "core/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t newline = input.find('\n');
  std::string_view section = newline == std::string_view::npos ? "ENT" : input.substr(0, newline);
  for (unsigned codePage : {1252u, 932u}) {
    auto entries = launcher::ReadPropertiesSection(
        input, section, [codePage](std::string_view s) { return launcher::UpperCaseInCodePage(codePage, s); });
    launcher::THashMap map(256);
    for (const auto& entry : entries) map.Put(entry.key, std::u16string(entry.value.begin(), entry.value.end()));
    for (const auto& entry : entries) map.Get(entry.key);
  }
  return 0;
}
