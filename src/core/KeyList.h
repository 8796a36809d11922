// Every key the launcher reads, spelled as it reads it: what disccheck holds
// a disc's keys to, and what the tests hold the session's lookups to. The
// launcher itself never needs the list, so it is kept out of its exe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace launcher {

// For a disc with `actionTotal` numbered actions.
std::vector<std::string> KeysTheLauncherReads(int32_t actionTotal);

}  // namespace launcher
