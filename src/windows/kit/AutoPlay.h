// The shell asks the window in front with a registered message before
// AutoPlay starts for a newly inserted disc. Every window of the launcher
// answers 1, which cancels it: the user is already at the disc's menu or
// answering its question.
#pragma once

#include <windows.h>

namespace launcher {

// Whether `message` is that question; never for 0, which the registration
// gives when it fails.
bool IsQueryCancelAutoPlay(UINT message);
inline constexpr LRESULT kCancelAutoPlay = 1;

}  // namespace launcher
