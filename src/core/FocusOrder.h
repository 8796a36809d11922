// Where the keyboard focus goes among a page's tab stops: the next or the
// previous one that can take it, wrapping at either end, or the first or
// the last. A stop that is hidden is stepped over.
#pragma once

#include <vector>

namespace launcher {

enum class FocusMove { kNext, kPrevious, kFirst, kLast };

// `canFocus` holds one entry per stop in tab order; `current` is the stop
// that has the focus, -1 for none (the next move then goes to the first
// stop that can take it, the previous one to the last). -1 when no stop can.
int MoveFocus(const std::vector<bool>& canFocus, int current, FocusMove move);

}  // namespace launcher
