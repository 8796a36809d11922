// The properties text inside install.jar (UTF-8 by the time it is read):
// sections of key=value lines. Section names and keys are compared by
// upper-casing both with the disc's upper-casing, which the caller supplies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/CharacterText.h"
#include "core/UpperCase.h"

namespace launcher {

struct PropertyEntry {
  std::string key;    // as spelled on its own line
  std::string value;  // the value the section gives that key
  size_t line = 0;    // where the entry stands in the text, from 1
};

// The entries of the last section named `section`, in file order, each with
// the value of the last line in that section whose key matches it.
std::vector<PropertyEntry> ReadPropertiesSection(std::string_view text, std::string_view section,
                                                 const UpperCaseFn& upperCase);

}  // namespace launcher
