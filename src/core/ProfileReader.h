// Reads one value from an INI text the way the Windows profile reader does:
// section and key names compared without regard to ASCII case, blanks around
// names and values trimmed, one pair of enclosing quotes removed, the result
// cut to 2047 characters. The first matching section and key win.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

inline constexpr size_t kProfileValueLimit = 2047;

std::string ReadProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view fallback);

}  // namespace launcher
