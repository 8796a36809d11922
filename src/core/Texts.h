// Small text rules the launcher applies in more than one place.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// An error text as the launcher's error box shows it: a full stop is added
// when the last character has a higher code than ".".
std::string WithFinalFullStop(const std::string& message);

// Where a window of `size` pixels goes on a screen of `screen` pixels:
// `offset` (50 logical pixels, at the screen's scale) before the centred
// position when the screen leaves room for that, else centred (division
// truncating toward zero).
int PlacementOrigin(int screen, int size, int offset = 50);

// The system's 8-bit upper-casing for code pages 1252 and 932 (in 932 only
// single-byte ASCII letters change; the second byte of a double-byte
// character is never touched).
std::string UpperCaseInCodePage(unsigned codePage, std::string_view text);

// The launcher's messages break lines with LF CR; Windows' text drawing
// would read that as two breaks. Each LF CR pair becomes CR LF.
std::string AsDrawnLineBreaks(const std::string& text);

}  // namespace launcher
