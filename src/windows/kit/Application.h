// The program's message handling: one object, made at program start, that
// every modal loop of the launcher goes through, so that a quit request seen
// by any of them ends them all.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace launcher {

// What the error box says for a failure that carries no text of its own.
inline constexpr char kUnexpectedError[] = "An unexpected error ended this step";

// Sent to a top-level window of ours with a keyboard message for it or its
// children before the message is translated; a non-zero result means the
// window has handled the key. lParam points to the MSG.
inline constexpr UINT kPreTranslateKey = WM_APP + 0x100;

class Application {
 public:
  // A hidden application shows no taskbar button: nothing of it is seen.
  // How the error box words a failure's text.
  using ErrorWording = std::string (*)(const std::string& message);
  // `icon`: what the taskbar button shows.
  explicit Application(std::string title, bool hidden = false, HICON icon = nullptr, ErrorWording wording = nullptr)
      : title_(std::move(title)), hidden_(hidden), icon_(icon), wording_(wording) {}
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::string& Title() const { return title_; }
  // Also the text of the application window, which the taskbar shows.
  void SetTitle(std::string title);

  // The hidden top-level window that owns the main window and carries the
  // taskbar button; made once, on demand.
  HWND Window();

  // True once the quit request has been taken from the queue.
  bool Terminated() const { return terminated_; }
  // A close asked for while the application was busy, carried out once it
  // is idle: whoever is busy may look, and stop early.
  void SetCloseHeld(bool held) { closeHeld_ = held; }
  bool CloseHeld() const { return closeHeld_; }

  // Handles one pending message; false when there was none.
  bool ProcessMessage();
  // Handles one message, waiting for it unless the application is ending.
  void HandleMessage();
  // Handles every pending message.
  void ProcessMessages();
  // Runs until the quit request.
  void Run();

  // The error box: error icon, OK, titled with the application title, the
  // text ending in a full stop where it needs one.
  void ShowError(const std::string& message) const;
  // A message box titled with the application title, task-modal.
  void ShowMessage(const std::string& text, UINT flags) const;
  // From now on its message boxes read right to left, right-aligned, as a
  // right-to-left disc's windows do.
  void SetRightToLeft() { messageReading_ = MB_RTLREADING | MB_RIGHT; }
  void ShowException(const std::exception& error) const { ShowError(error.what()); }

  // Runs a callback's work so that no exception goes back into the system:
  // an error ends in the error box and the callback gives `failed`.
  template <typename Work>
  auto Guarded(Work work, decltype(work()) failed) const -> decltype(work());

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::string title_;
  bool hidden_;
  bool terminated_ = false;
  bool closeHeld_ = false;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  ErrorWording wording_ = nullptr;
  UINT messageReading_ = 0;
};

template <typename Work>
auto Application::Guarded(Work work, decltype(work()) failed) const -> decltype(work()) {
  try {
    return work();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowError(kUnexpectedError);
  }
  return failed;
}

}  // namespace launcher
