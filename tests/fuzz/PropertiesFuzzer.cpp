// The properties member as a disc may carry it, read as the launcher reads
// it: UTF-8 or converted from the system's code page (Western or Japanese),
// for a section named by the first line of the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/HashMap.h"
#include "core/Properties.h"
#include "core/Utf8.h"
#include "sim/ScriptedHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t newline = input.find('\n');
  std::string_view section = newline == std::string_view::npos ? "ENT" : input.substr(0, newline);
  for (unsigned codePage : {1252u, 932u}) {
    launcher::ScriptedHost host;
    host.codePage = codePage;
    host.discTexts = launcher::EncodingOf(input);
    const std::string text = host.discTexts == launcher::TextEncoding::kUtf8
                                 ? std::string(launcher::WithoutByteOrderMark(input))
                                 : host.FromSystemCodePage(input);
    auto entries = launcher::ReadPropertiesSection(text, section, [&host](std::string_view s) { return host.UpperCase(s); });
    launcher::THashMap map(256);
    for (const auto& entry : entries) map.Put(entry.key, entry.value);
    for (const auto& entry : entries) map.Get(entry.key);
  }
  return 0;
}
