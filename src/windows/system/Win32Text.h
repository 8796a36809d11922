// Every conversion between the launcher's texts and UTF-16 in the Windows
// build goes through here. The launcher holds every text in UTF-8 and asks
// Windows with the W functions, so that a disc's texts and paths reach the
// system whole in any script.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/Utf8.h"

namespace launcher {

// codePage 0 (CP_ACP) is the system's 8-bit code page, 65001 UTF-8.
std::wstring WideFrom(unsigned codePage, std::string_view text);
std::string NarrowFrom(unsigned codePage, std::wstring_view text);

// The launcher's texts (UTF-8) as the W functions take them, and back.
std::wstring Wide(std::string_view text);
std::string Utf8Of(std::wstring_view text);

// A text a system call writes into a buffer it is given the size of: it
// returns the length written, or the size it needs when the buffer is too
// small (GetCurrentDirectoryW and its kind). A longer text gets a buffer of
// its size rather than being cut; empty when the call fails. `subject` is
// handed to the call (a name it looks up), or null.
using SystemTextCall = DWORD (*)(const wchar_t* subject, wchar_t* buffer, DWORD size);
std::string TextFromSystem(SystemTextCall call, const wchar_t* subject = nullptr);

// The launcher's case-blind comparisons: a disc in the system's code page is
// upper-cased as the system's 8-bit upper-casing does it, character by
// character (a character the code page lacks stays as it is); a UTF-8 disc
// by Unicode. Every character keeps its position.
std::string UpperCaseOf(std::string_view text, TextEncoding disc);

// The system's message for an error code, trimmed of trailing blanks,
// control characters and full stops.
std::string SystemErrorText(unsigned long error);

}  // namespace launcher
