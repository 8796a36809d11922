#include "core/FocusOrder.h"

#include <cstddef>

namespace launcher {

int MoveFocus(const std::vector<bool>& canFocus, int current, FocusMove move) {
  const int count = static_cast<int>(canFocus.size());
  if (count == 0) return -1;
  const bool forward = move == FocusMove::kNext || move == FocusMove::kFirst;
  // The first and the last are found by stepping from just outside the ends;
  // so is the first move when nothing has the focus yet.
  int from = current;
  if (move == FocusMove::kFirst || move == FocusMove::kLast || current < 0 || current >= count) {
    from = forward ? -1 : count;
  }
  const int step = forward ? 1 : -1;
  for (int tried = 0, at = from; tried < count; ++tried) {
    at = ((at + step) % count + count) % count;
    if (canFocus[static_cast<size_t>(at)]) return at;
  }
  return -1;
}

}  // namespace launcher
