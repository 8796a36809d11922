// How the launcher waits on its one thread (for a program, a notice's
// seconds, Windows Installer) and stays sound: its windows keep painting,
// other programs get their answers (sent messages such as the shell's
// "QueryCancelAutoPlay", and a screen reader's calls into the accessible
// objects, which arrive at the thread's COM apartment), a close asked for by
// another program reaches the window (which holds it), and nothing the user
// clicks or types meanwhile is handled, then or later, but for a close: a
// click on a close box or Alt+F4 is a close asked for, not dropped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace launcher {

// Waits until `handle` is signalled (true) or `timeoutMs` has passed
// (false); a null handle waits for the time alone.
bool WaitResponsively(HANDLE handle, DWORD timeoutMs);

// The clicks and key presses that arrived while the launcher waited.
struct DroppedInput {
  int clicks = 0;
  int keys = 0;
  // The top-level windows whose close box was clicked or that got Alt+F4:
  // they are asked to close once the wait is over.
  std::vector<HWND> closeAskedOf;
};
// Takes the mouse and keyboard input that arrived during a wait out of the
// queue, unhandled: a click on a button during an installation must not
// start it again once the installation is over.
DroppedInput DropInput();

}  // namespace launcher
