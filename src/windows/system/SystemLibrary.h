// Entries of system libraries the launcher needs only now and then (the
// shell for elevated starts, the accessibility libraries when a screen
// reader asks). Importing them would load them, and everything they pull
// in, at every start; loading them from the system folder alone keeps a
// file on the disc from standing in for them.
#pragma once

#include <windows.h>

namespace launcher {

// The entry `name` of `library` in the system folder, loaded on first use
// and kept; null when either is missing.
FARPROC SystemLibraryEntry(const char* library, const char* name);

template <typename Function>
Function SystemLibraryFunction(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemLibraryEntry(library, name)));
}

}  // namespace launcher
