// The few system services that the portable tools need, with one definition
// per platform (POSIX for the native build, Win32 for the Windows build).
// This is the one place where 8-bit text meets UTF-16 outside the launcher.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "archive/RandomAccessFile.h"

namespace launcher {

// Opens a file for reading, letting other programs read and write it. Null
// when it does not exist; throws std::runtime_error for other failures.
std::unique_ptr<RandomAccessFile> OpenPlatformFile(const std::string& path);

// Conversions for an explicit Windows code page (1252, 932, ...). Bytes that
// the code page cannot map become U+FFFD, characters it lacks become "?".
std::u16string DecodeCodePage(unsigned codePage, std::string_view text);
std::string EncodeCodePage(unsigned codePage, std::u16string_view text);

}  // namespace launcher
