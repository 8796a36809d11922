// The support log's words for what the host did by itself and for the
// program's own start and end: support staff and disc authors read these,
// and the end-to-end tests look for them.
#include <gtest/gtest.h>

#include "core/HostEvent.h"

namespace launcher {
namespace {

TEST(HostEventLines, SayWhatHappened) {
  const struct {
    HostEvent event;
    const char* line;
  } cases[] = {
      {HostEvent::InputDropped(2, 1), "input during the wait: 2 clicks, 1 key dropped"},
      {HostEvent::InputDropped(1, 0), "input during the wait: 1 click dropped"},
      {HostEvent::InputDropped(0, 3), "input during the wait: 3 keys dropped"},
      {HostEvent::JobJoined(260, "setup.exe"), "job: process 260 (setup.exe) joined"},
      {HostEvent::JobEmpty(6), "job: the last program ended after 6 s"},
      {HostEvent::JobRefused(5), "job: the program could not be put in a job of the launcher's (error 5): the "
                                 "launcher waits for it alone"},
      // A close during a notice or a message is held, but no program runs.
      {HostEvent::CloseHeld(true), "close: held until the running program has ended"},
      {HostEvent::CloseHeld(false), "close: held until the action under way has ended"},
      {HostEvent::CloseCarriedOut(true), "close: carried out, the program has ended"},
      {HostEvent::CloseCarriedOut(false), "close: carried out, the action has ended"},
      // A program's own 1618 is its word, not a busy Windows Installer seen.
      {HostEvent::Repeat("msiexec /i a.msi", 1, 3),
       "repeat 1 of 3: msiexec /i a.msi (it ended with 1618: another installation in progress)"},
      {HostEvent::LauncherStarted("1.0.0", 932, true), "start: launcher 1.0.0, code page 932, unattended"},
      {HostEvent::LauncherStarted("1.0.0", 1252, false), "start: launcher 1.0.0, code page 1252"},
      {HostEvent::FolderEntered("C:\\Users\\me", "E:\\", true),
       "folder: C:\\Users\\me has no install.jar; the launcher's own folder is the disc: E:\\"},
      {HostEvent::FolderEntered("C:\\", "\\\\server\\disc", false),
       "folder: C:\\ has no install.jar; cannot enter the launcher's own folder: \\\\server\\disc"},
      {HostEvent::End(3010), "end: exit code 3010"},
      {HostEvent::End(std::nullopt), "end"},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(c.event), c.line);
}

}  // namespace
}  // namespace launcher
