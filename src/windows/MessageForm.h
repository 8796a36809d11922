// The frame shared by the launcher's four message windows: a fixed 450 x 333
// dialog frame over one picture, a centred message and a row of push buttons.
// The four forms differ only in their layout, which is in logical pixels and
// drawn at the form's scale.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "windows/kit/Accessible.h"
#include "windows/kit/Application.h"
#include "windows/kit/Gdi.h"
#include "windows/kit/KeptFocus.h"
#include "windows/kit/Palette.h"

namespace launcher {

struct MessageButton {
  const char* caption;
  int left;
  int modalResult;  // IDOK, IDCANCEL or IDRETRY; also the control's id
};

struct MessageLayout {
  const char* className;    // the form class, also the window class
  const char* designTitle;  // the title before the first showing
  int textLeft, textTop, textWidth, textHeight;
  bool wrapText;
  std::vector<MessageButton> buttons;  // in tab order
};

// A question that answers itself as the user would, once `ready` says so:
// tested every second while `everySecond` is set, and in any case for a few
// seconds after new media has arrived (a drive takes a moment to be read).
struct SelfAnswer {
  std::function<bool()> ready;
  bool everySecond = false;
  int modalResult = IDOK;
};

class TMessageForm : private AccessibleItems {
 public:
  static constexpr int kClientWidth = 450;
  static constexpr int kClientHeight = 333;
  static constexpr int kMessageTextId = 1000;

  TMessageForm(Application& application, HWND owner, MessageLayout layout);
  virtual ~TMessageForm();
  TMessageForm(const TMessageForm&) = delete;
  TMessageForm& operator=(const TMessageForm&) = delete;

  HWND Handle() const { return window_; }
  HWND MessageText() const { return text_.window_; }

  // The character set of the message's and the buttons' fonts.
  void SetMessageScript(const DiscScript& script);
  // The colours it draws with; a change repaints.
  void SetColours(Palette palette);
  // The scale it is drawn at; a change sizes the form and lays it out again.
  void SetDpi(int dpi);

  // Places the form on its owner's monitor, at that monitor's scale, and
  // gives it the title and the message.
  void Prepare(const std::string& title, const std::string& text);
  // Shows modally; the result is the button's, or IDCANCEL for the close box
  // and while the application is ending, or the self answer's.
  int ShowModal(const SelfAnswer* selfAnswer = nullptr);
  // Whether the last ShowModal ended with the self answer.
  bool AnsweredItself() const { return answeredItself_; }
  // New media has arrived (a volume: a disc, a stick, a mounted image).
  void MediaArrived();
  void ShowWithoutModality();
  void Hide();

 private:
  template <typename T>
  friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The message text's own window; what it is sent, the form handles.
  struct TextWindow {
    Application& application_;
    TMessageForm& form_;
    HWND window_ = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
      return form_.HandleTextMessage(message, wParam, lParam);
    }
  };
  LRESULT HandleTextMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool PreTranslateKey(const MSG& msg);
  void PaintMessageText();
  // The picture behind the form and its text; none in the system palette.
  HBITMAP Artwork() const;
  std::string MessageTextAsDrawn() const;
  // Screen readers read the message as a static text with the message as its name.
  std::string AccessibleName() const override { return MessageTextAsDrawn(); }
  void MakeFonts();
  // Where the message text lies in the form, in logical pixels.
  RECT TextPlace() const;
  // Draws the form at a scale: its fonts, its frame (the one suggested, or
  // its client scaled where it stands) and the text and buttons in it.
  void ApplyDpi(int dpi, const RECT* suggestedFrame);
  int Scaled(int logical) const { return launcher::Scaled(logical, dpi_); }
  void FocusButton(int step);
  void TestSelfAnswer();
  HWND FirstButton() const;

  Application& application_;
  MessageLayout layout_;
  HWND window_ = nullptr;
  TextWindow text_{application_, *this};
  std::vector<HWND> buttons_;
  KeptFocus keptFocus_{nullptr};  // made for the window once it exists
  SharedPicture artwork_;
  Font messageFont_;
  Font buttonFont_;
  std::unique_ptr<AccessibleWindow> messageAccessible_;
  Palette colours_ = Palette::kDesigned;
  DiscScript script_;
  int dpi_ = kDesignDpi;
  int modalResult_ = 0;
  bool modal_ = false;
  const SelfAnswer* selfAnswer_ = nullptr;
  DWORD arrivalWatchStart_ = 0;  // GetTickCount when new media arrived
  bool watchingArrival_ = false;
  bool answeredItself_ = false;
};

}  // namespace launcher
