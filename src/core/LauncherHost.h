// What the launcher asks of the system: files and the current directory,
// the locale and the code page's text rules, the registry, its message
// windows, starting programs, and the foreground. The launcher answers with
// the real Windows calls; disccheck and the tests answer with a script.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/RandomAccessFile.h"
#include "core/Utf8.h"
#include "core/Machine.h"
#include "core/Verdict.h"

namespace launcher {

// How a question ended: Cancel (or its close box), the user's OK or Retry,
// or the same OK or Retry given by the launcher itself because the file the
// action waits for has arrived.
enum class Answer { kNo, kYes, kYesFileArrived };
inline bool Accepted(Answer answer) { return answer != Answer::kNo; }

// The file a question waits for (an empty path: none), as the action tests
// it; for an action of another disc of a set, the same path below the root
// of any drive with media counts too (the disc mounted on a drive of its
// own).
struct AwaitedFile {
  std::string path;
  bool onMediaDrives = false;
};

// How long the launcher waits after it has started a program: until that
// program has ended, or until every program it started in turn has ended
// too (an installer that hands over to another one and ends at once).
enum class WaitScope { kStartedProgram, kEveryProgram };

// How a start ended: the program's exit code (-1 among them), or nothing
// when it did not start (LastStartError then says why).
using StartResult = std::optional<int32_t>;

class LauncherHost {
 public:
  virtual ~LauncherHost() = default;

  // The process's current directory as the system gives it: a drive root
  // keeps its trailing "\" (ReturnCurrentDirectory takes it off).
  virtual std::string CurrentDirectory() = 0;
  // The user's display languages as language tags ("de-CH", "zh-Hant-TW"),
  // most preferred first.
  virtual std::vector<std::string> DisplayLanguages() = 0;
  virtual uint32_t OsMajorVersion() = 0;
  // Empty when the variable is not set.
  virtual std::string EnvironmentVariable(const std::string& name) = 0;
  // The profile reader for autorun.inf: at most 2047 characters.
  virtual std::string ReadProfileString(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback) = 0;
  // Null when the file does not exist.
  virtual std::unique_ptr<RandomAccessFile> OpenFile(const std::string& path) = 0;
  virtual bool IsFilePresent(const std::string& name) = 0;
  // The roots ("E:\\") of the drives that may hold a disc of a set: CD and
  // DVD drives (mounted images among them) and removable media, in
  // drive-letter order; fixed disks and network drives are not among them.
  virtual std::vector<std::string> MediaDriveRoots() = 0;
  // Makes `folder` the current directory; false when it cannot be (a drive
  // that is not ready), without a system prompt.
  virtual bool EnterFolder(const std::string& folder) = 0;
  // May raise LauncherError ("Invalid data type for '%s'").
  virtual std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName) = 0;

  // The processor of Windows itself (not the launcher's, which may run
  // emulated) and the version Windows gives of itself.
  virtual Machine ThisMachine() = 0;
  // What the system knows of what a disc says is installed; nothing where
  // it cannot tell (no Windows Installer, a read refused).
  virtual std::optional<bool> ProductInstalled(const std::string& productCode) = 0;
  // An Add/Remove Programs entry of that name, in either registry view or
  // the user's: its DisplayVersion ("" without one); nothing without one.
  virtual std::optional<std::string> InstalledProgramVersion(const std::string& name) = 0;
  // A file (environment variables expanded): the version of its version
  // resource ("" without one); nothing when there is no such file.
  virtual std::optional<std::string> FileVersion(const std::string& path) = 0;
  // A registry key, or a value under it (an empty name: the key alone).
  virtual std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName) = 0;

  // Every text the launcher holds is UTF-8, the paths it touches among
  // them. A disc written in the system's 8-bit code page is converted when
  // it is read; its own bytes are asked for where they decide what is seen
  // (the widest menu button).
  virtual std::string FromSystemCodePage(std::string_view bytes) = 0;
  virtual std::string ToSystemCodePage(std::string_view text) = 0;
  // Upper-casing for the launcher's case-blind comparisons, which keeps every
  // character's position: the system's 8-bit upper-casing while the disc
  // read is one written in the system's code page (as at start), Unicode's
  // once it is a UTF-8 disc.
  virtual void ReadDiscTextsAs(TextEncoding encoding) = 0;
  virtual std::string UpperCase(std::string_view text) = 0;

  virtual void ShowInfoDialog(const std::string& title, const std::string& text) = 0;
  // The two questions of an action, with the file it tests next. The
  // insert-disc question answers OK by itself when new media arrives and the
  // file is then there; the missing-file question answers Retry by itself
  // as soon as the file is there.
  virtual Answer ShowOKCancelDialog(const std::string& title, const std::string& text,
                                    const AwaitedFile& awaited) = 0;
  virtual Answer ShowRetryCancelDialog(const std::string& title, const std::string& text,
                                       const AwaitedFile& awaited) = 0;
  // A plain message with OK, titled with the application title.
  virtual void ShowMessage(const std::string& text) = 0;
  // The error box: error icon, OK, titled with the application title.
  virtual void ShowError(const std::string& text) = 0;
  // The timed notice: shown, painted, held for the seconds, hidden.
  virtual void ShowDelayDialog(const std::string& title, const std::string& text, int seconds) = 0;

  // Start and wait, as far as `scope` says.
  virtual StartResult RunWinProcess(const std::string& commandLine, int16_t show, WaitScope scope) = 0;
  virtual StartResult WinExecAndWait32(const std::string& commandLine, int16_t show, WaitScope scope) = 0;
  // Starts the program through the shell, which asks for administrator
  // consent, in the current directory, and waits; nothing when it did not
  // start (declined consent among it; the shell's error is then the last
  // start error).
  virtual StartResult StartElevated(const std::string& program, const std::string& parameters, int16_t show,
                                    WaitScope scope) = 0;
  // While another Windows Installer installation runs, waits, showing the
  // notice `text` (unless empty) titled `title` for as long as it lasts:
  // the whole seconds it waited, 0 when Windows Installer was free.
  virtual uint32_t WaitWhileInstallerBusy(const std::string& title, const std::string& text) = 0;
  // Whether the user asked the launcher to close while a program ran: the
  // close is held until the running program has ended.
  virtual bool CloseRequested() = 0;
  // Where a plain start finds the program file `name` (the launcher's
  // folder, the current directory, the system folders, the path).
  virtual std::optional<std::string> FindProgram(const std::string& name) = 0;
  // The system's error number of the last failed start, and its message.
  virtual uint32_t LastStartError() = 0;
  virtual std::string LastErrorText() = 0;

  // For the support log, when the launcher keeps one: a line of its own,
  // and what became of an action (its label, its verdict and code).
  virtual void Log(const std::string&) {}
  virtual void Outcome(const std::string& /*label*/, Verdict, int64_t /*code*/) {}
  // A program that ended with Windows Installer's "another installation in
  // progress" (1618) is started again.
  virtual void Repeating(const std::string& /*commandLine*/, int /*repeat*/, int /*repeats*/) {}
  // A disc of the set was found on a drive of its own, not the launcher's.
  virtual void DiscFound(const std::string& /*disc*/, const std::string& /*root*/) {}

  // Brings the application window to the front.
  virtual void ForceForeground() = 0;
};

}  // namespace launcher
