// Every conversion between 8-bit text and UTF-16 in the Windows build goes
// through here.
#pragma once

#include <string>
#include <string_view>

#include "core/CharacterText.h"

namespace launcher {

// codePage 0 (CP_ACP) is the system's 8-bit code page.
std::u16string ToUtf16(unsigned codePage, std::string_view text);
std::string FromUtf16(unsigned codePage, std::u16string_view text);

// Which bytes start a two-byte character in the system's 8-bit code page.
LeadBytes SystemLeadBytes();

// The system's message for an error code, trimmed of trailing blanks,
// control characters and full stops.
std::string SystemErrorText(unsigned long error);

}  // namespace launcher
