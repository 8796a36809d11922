// disccheck check: everything about a disc that would stop the launcher,
// hide a button, break an action or show a text other than meant.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Report.h"

namespace launcher::disccheck {

struct CheckOptions {
  std::vector<std::string> languages{"en-US"};  // display languages
  bool allLanguages = false;  // every member the disc carries, instead
  std::map<std::string, std::string> discs;  // other discs of the set: title -> folder
};

void CheckDisc(const std::string& folder, const CheckOptions& options, Report& report);

}  // namespace launcher::disccheck
