// UTF-16 to UTF-8, for the disc author's tool's output.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace launcher
