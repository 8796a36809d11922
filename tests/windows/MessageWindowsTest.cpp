#include <gtest/gtest.h>

#include <windows.h>
// after windows.h, whose types it uses
#include <dbt.h>

#include <fstream>

#include "core/Texts.h"
#include "windows/MessageWindows.h"
#include "windows/TopLevel.h"
#include "windows/WindowTestSupport.h"

namespace launcher {
namespace {

using test::WindowAnswerer;

constexpr int kText = TMessageForm::kMessageTextId;

// Until the main window exists, the message windows get an owner of their
// own, as the tests do here.
class MessageWindowsTest : public testing::Test {
 protected:
  MessageWindowsTest()
      : owner_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)),
        windows_(application_, owner_) {}
  ~MessageWindowsTest() override { DestroyWindow(owner_); }

  static void Click(HWND form, int id) { PostMessageA(GetDlgItem(form, id), BM_CLICK, 0, 0); }

  Application application_{"Install_Windows"};
  HWND owner_;
  MessageWindows windows_;
  const DWORD uiThread_ = GetCurrentThreadId();
};

TEST_F(MessageWindowsTest, CreatedHiddenWithTheirFrameAndOwner) {
  for (TMessageForm* form : {static_cast<TMessageForm*>(&windows_.Info), static_cast<TMessageForm*>(&windows_.OKCancel),
                             static_cast<TMessageForm*>(&windows_.RetryCancel),
                             static_cast<TMessageForm*>(&windows_.Delay)}) {
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), owner_);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 450);
    EXPECT_EQ(client.bottom, 333);
    const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  }
}

TEST_F(MessageWindowsTest, InfoShowsTitleAndTextAndEndsWithOk) {
  WindowAnswerer answer("TDialogInfoForm", kText, [](HWND form) { Click(form, IDOK); });
  windows_.ShowInfoDialog("About", "First line\n\rSecond line");
  ASSERT_TRUE(answer.Finish());
  EXPECT_EQ(answer.title, "About");
  EXPECT_EQ(answer.text, "First line\n\rSecond line");
  EXPECT_FALSE(IsWindowVisible(windows_.Info.Handle()));
}

TEST_F(MessageWindowsTest, QuestionsReturnTheButtonsAnswer) {
  struct Case {
    const char* className;
    int button;
    bool expected;
  };
  for (const Case& c : {Case{"TDialogOKCancelForm", IDOK, true}, Case{"TDialogOKCancelForm", IDCANCEL, false},
                        Case{"TDialogRetryCancelForm", IDRETRY, true},
                        Case{"TDialogRetryCancelForm", IDCANCEL, false}}) {
    WindowAnswerer answer(c.className, kText, [&](HWND form) { Click(form, c.button); });
    const bool okCancel = std::string(c.className) == "TDialogOKCancelForm";
    const bool result = Accepted(okCancel ? windows_.ShowOKCancelDialog("Insert disc", "Please insert disc 2")
                                          : windows_.ShowRetryCancelDialog("File not found", "setup.exe was not found"));
    ASSERT_TRUE(answer.Finish()) << c.className;
    EXPECT_EQ(result, c.expected) << c.className << " " << c.button;
  }
}

TEST_F(MessageWindowsTest, CloseBoxAndAltF4AnswerCancel) {
  WindowAnswerer closeBox("TDialogOKCancelForm", kText,
                          [](HWND form) { PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(windows_.ShowOKCancelDialog("t", "close box"), Answer::kNo);
  ASSERT_TRUE(closeBox.Finish());
  WindowAnswerer altF4("TDialogRetryCancelForm", kText, [](HWND form) { PostMessageA(form, WM_CLOSE, 0, 0); });
  EXPECT_EQ(windows_.ShowRetryCancelDialog("t", "Alt+F4"), Answer::kNo);
  ASSERT_TRUE(altF4.Finish());
}

TEST_F(MessageWindowsTest, EnterAtTheFirstShowingPressesTheFirstButtonAndEscapeNothing) {
  for (const char* className : {"TDialogOKCancelForm", "TDialogRetryCancelForm"}) {
    HWND focused = nullptr;
    bool stillShownAfterEscape = false;
    WindowAnswerer answer(className, kText, [&](HWND form) {
      focused = test::FocusOf(uiThread_);
      PostMessageA(focused, WM_KEYDOWN, VK_ESCAPE, 0);
      // What must not happen has no event to wait for: a grace period.
      Sleep(200);
      stillShownAfterEscape = IsWindowVisible(form);
      PostMessageA(focused, WM_KEYDOWN, VK_RETURN, 0);
    });
    const bool answered = Accepted(std::string(className) == "TDialogOKCancelForm"
                                       ? windows_.ShowOKCancelDialog("t", "Enter")
                                       : windows_.ShowRetryCancelDialog("t", "Enter"));
    ASSERT_TRUE(answer.Finish());
    EXPECT_TRUE(stillShownAfterEscape) << className;
    EXPECT_TRUE(answered) << className;  // OK and Retry come first
    EXPECT_EQ(GetDlgCtrlID(focused), std::string(className) == "TDialogOKCancelForm" ? IDOK : IDRETRY);
  }
}

// Switched away from (Alt+Tab, a click elsewhere) and back, a question
// still has its focused button, so that Enter answers it.
TEST_F(MessageWindowsTest, AQuestionKeepsItsFocusedButtonWhenSwitchedAwayAndBack) {
  HWND other = CreateWindowExA(0, "STATIC", "other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
  HWND focusedAfter = nullptr;
  WindowAnswerer answer("TDialogOKCancelForm", kText, [&](HWND form) {
    PostMessageA(test::FocusOf(uiThread_), WM_KEYDOWN, VK_TAB, 0);  // to Cancel
    EXPECT_TRUE(test::WaitFor([&] { return GetDlgCtrlID(test::FocusOf(uiThread_)) == IDCANCEL; }, 2000));
    SetForegroundWindow(other);
    EXPECT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == other; }, 2000));
    SetForegroundWindow(form);
    EXPECT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == form; }, 2000));
    const bool refocused = test::WaitFor([&] { return IsChild(form, test::FocusOf(uiThread_)); }, 2000);
    EXPECT_TRUE(refocused);
    if (!refocused) return Click(form, IDOK);  // Enter would reach no button: end the question
    focusedAfter = test::FocusOf(uiThread_);
    PostMessageA(focusedAfter, WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(windows_.ShowOKCancelDialog("t", "Switch away and back"), Answer::kNo);
  ASSERT_TRUE(answer.Finish());
  EXPECT_EQ(GetDlgCtrlID(focusedAfter), IDCANCEL);
  DestroyWindow(other);
}

TEST_F(MessageWindowsTest, TabMovesTheFocusAndEnterPressesWhatHasIt) {
  WindowAnswerer answer("TDialogOKCancelForm", kText, [&](HWND) {
    const HWND first = test::FocusOf(uiThread_);
    PostMessageA(first, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocusOf(uiThread_) != first; }, 2000));
    PostMessageA(test::FocusOf(uiThread_), WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(windows_.ShowOKCancelDialog("t", "Tab to Cancel"), Answer::kNo);
  ASSERT_TRUE(answer.Finish());
}

TEST_F(MessageWindowsTest, PlacedFiftyPixelsUpAndLeftOfCentre) {
  windows_.Info.Prepare("t", "x");
  RECT frame;
  GetWindowRect(windows_.Info.Handle(), &frame);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(frame.left, PlacementOrigin(screenWidth, frame.right - frame.left));
  EXPECT_EQ(frame.top, PlacementOrigin(screenHeight, frame.bottom - frame.top));
  EXPECT_EQ(frame.left, (screenWidth - (frame.right - frame.left)) / 2 - 50);
}

// A launcher dragged to a second monitor, of another scale, asks its
// questions there and at that scale: 50 logical pixels up and left of the
// centre of that monitor's work area, whatever the primary monitor is.
TEST(MessagePlacement, OnTheOwnersMonitorAtItsScale) {
  const MonitorArea right{{1920, 0, 3840, 1040}, 144};  // a taskbar of 40 at the bottom
  const POINT at = PlaceOn(right, {681, 531});
  EXPECT_EQ(at.x, 1920 + (1920 - 681) / 2 - 75);
  EXPECT_EQ(at.y, (1040 - 531) / 2 - 75);
  const MonitorArea left{{-1280, -200, 0, 824}, 96};  // left of and above the primary
  EXPECT_EQ(PlaceOn(left, {456, 358}).x, -1280 + (1280 - 456) / 2 - 50);
  EXPECT_EQ(PlaceOn(left, {456, 358}).y, -200 + (1024 - 358) / 2 - 50);
  // Too little room for the offset: centred.
  EXPECT_EQ(PlaceOn({{0, 0, 700, 560}, 144}, {681, 531}).x, (700 - 681) / 2);
}

// The form takes its owner's monitor and scale when it is shown, whatever
// scale it was left at.
TEST_F(MessageWindowsTest, AFormShownTakesItsOwnersMonitorAndScale) {
  windows_.Info.SetDpi(144);
  windows_.Info.Prepare("t", "x");
  const MonitorArea monitor = MonitorOf(GetWindow(windows_.Info.Handle(), GW_OWNER));
  RECT frame, client;
  GetWindowRect(windows_.Info.Handle(), &frame);
  GetClientRect(windows_.Info.Handle(), &client);
  EXPECT_EQ(client.right, MulDiv(TMessageForm::kClientWidth, monitor.dpi, 96));
  const POINT expected = PlaceOn(monitor, {frame.right - frame.left, frame.bottom - frame.top});
  EXPECT_EQ(frame.left, expected.x);
  EXPECT_EQ(frame.top, expected.y);
}

// At 150 % every form's client, text and buttons are their layout scaled,
// the placement's offset too. Moved back to a monitor at 96 DPI (Wine never
// sends that message, so the test does), nothing has moved.
TEST_F(MessageWindowsTest, AtOneHundredAndFiftyPercentTheFormsAreTheirLayoutScaled) {
  auto clientOf = [](HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client;
  };
  auto placeIn = [](HWND child) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
  };
  HWND ok = GetDlgItem(windows_.Info.Handle(), IDOK);
  const RECT designedButton = placeIn(ok);
  RECT designedFrame;
  GetWindowRect(windows_.Info.Handle(), &designedFrame);
  for (TMessageForm* form : {&windows_.Info, &windows_.OKCancel, &windows_.RetryCancel, &windows_.Delay}) {
    form->SetDpi(144);
    const RECT client = clientOf(form->Handle());
    EXPECT_EQ(client.right, 675);
    EXPECT_EQ(client.bottom, 500);  // 333 at 150 %, rounded
  }
  const RECT button = placeIn(ok);
  EXPECT_EQ(button.left, MulDiv(designedButton.left, 144, 96));
  EXPECT_EQ(button.top, MulDiv(designedButton.top, 144, 96));
  EXPECT_EQ(button.right, MulDiv(designedButton.right, 144, 96));
  SendMessageA(windows_.Info.Handle(), kDpiChanged, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&designedFrame));
  EXPECT_EQ(clientOf(windows_.Info.Handle()).right, TMessageForm::kClientWidth);
  EXPECT_EQ(clientOf(windows_.Info.Handle()).bottom, TMessageForm::kClientHeight);
  const RECT again = placeIn(ok);
  EXPECT_TRUE(EqualRect(&designedButton, &again));
  RECT text;
  GetWindowRect(windows_.Info.MessageText(), &text);
  MapWindowPoints(nullptr, windows_.Info.Handle(), reinterpret_cast<POINT*>(&text), 2);
  EXPECT_EQ(text.left, 3);
  EXPECT_EQ(text.top, 80);
}

TEST_F(MessageWindowsTest, DelayShowsForItsSecondsThenHides) {
  for (int seconds : {0, 1}) {
    bool visibleWhileWaiting = false;
    std::string text;
    std::thread watcher([&] {
      HWND form = test::WaitForVisibleWindow("TDialogDelayForm", 3000);
      visibleWhileWaiting = form != nullptr;
      if (form) text = test::WindowText(GetDlgItem(form, kText));
    });
    const DWORD start = GetTickCount();
    windows_.ShowDelayDialog("Example Suite", "Now installing:\n\r\n\rModeler", seconds);
    const DWORD elapsed = GetTickCount() - start;
    watcher.join();
    EXPECT_FALSE(IsWindowVisible(windows_.Delay.Handle()));
    EXPECT_GE(elapsed + 20, static_cast<DWORD>(seconds) * 1000);
    EXPECT_LT(elapsed, static_cast<DWORD>(seconds) * 1000 + 2000);
    if (seconds == 1) {
      EXPECT_TRUE(visibleWhileWaiting);
      EXPECT_EQ(text, "Now installing:\n\r\n\rModeler");
    }
  }
}

TEST_F(MessageWindowsTest, AnswerQueryCancelAutoPlayShownOrHidden) {
  const UINT query = RegisterWindowMessageA("QueryCancelAutoPlay");
  EXPECT_EQ(SendMessageA(windows_.Info.Handle(), query, 0, 0), 1);
  windows_.Delay.Prepare("t", "shown");
  windows_.Delay.ShowWithoutModality();
  EXPECT_EQ(SendMessageA(windows_.Delay.Handle(), query, 0, 0), 1);
  windows_.Delay.Hide();
}

// New media as the system announces it to top-level windows.
void AnnounceVolume(HWND window) {
  DEV_BROADCAST_VOLUME volume{};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << ('E' - 'A');
  SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
}

class AwaitedFileTest : public MessageWindowsTest {
 protected:
  AwaitedFileTest() {
    CreateDirectoryA("artifacts", nullptr);
    DeleteFileA(file_.c_str());
  }
  ~AwaitedFileTest() override { DeleteFileA(file_.c_str()); }
  void Arrive() { std::ofstream(file_).close(); }
  void Leave() { DeleteFileA(file_.c_str()); }
  // What must not happen has no event to wait for: a grace period of more
  // than one test of the file.
  static bool StillShownAfterAWhile(HWND form) {
    Sleep(1500);
    return IsWindowVisible(form);
  }
  static bool Closes(HWND form) {
    const bool closed = test::WaitFor([&] { return !IsWindowVisible(form); }, 4000);
    if (!closed) Click(form, IDCANCEL);
    return closed;
  }
  const std::string file_ = "artifacts/awaited-setup.exe";
};

TEST_F(AwaitedFileTest, TheMissingFileQuestionAnswersRetryItselfOnceTheFileIsThere) {
  bool waited = false, closed = false;
  WindowAnswerer answer("TDialogRetryCancelForm", kText, [&](HWND form) {
    waited = StillShownAfterAWhile(form);
    Arrive();
    closed = Closes(form);
  });
  EXPECT_EQ(windows_.ShowRetryCancelDialog("Missing", "setup.exe was not found", AwaitedFile{file_}),
            Answer::kYesFileArrived);
  ASSERT_TRUE(answer.Finish());
  EXPECT_TRUE(waited);
  EXPECT_TRUE(closed);
}

// Disc 1 may hold a file of the same name: only new media with the file on
// it answers OK, and the drive gets a few seconds to be read.
TEST_F(AwaitedFileTest, TheInsertDiscQuestionAnswersOkItselfOnlyWhenMediaArrivesWithTheFile) {
  bool waitedWithoutMedia = false, waitedWithoutFile = false, closed = false;
  WindowAnswerer answer("TDialogOKCancelForm", kText, [&](HWND form) {
    Arrive();
    waitedWithoutMedia = StillShownAfterAWhile(form);
    Leave();
    AnnounceVolume(form);
    waitedWithoutFile = StillShownAfterAWhile(form);
    Arrive();  // the drive has become readable
    closed = Closes(form);
  });
  EXPECT_EQ(windows_.ShowOKCancelDialog("Insert disc", "Please insert disc 2", AwaitedFile{file_}),
            Answer::kYesFileArrived);
  ASSERT_TRUE(answer.Finish());
  EXPECT_TRUE(waitedWithoutMedia);
  EXPECT_TRUE(waitedWithoutFile);
  EXPECT_TRUE(closed);
}

TEST_F(AwaitedFileTest, WithoutAnAwaitedFileTheUserAnswersAlone) {
  bool waited = false;
  WindowAnswerer answer("TDialogOKCancelForm", kText, [&](HWND form) {
    Arrive();
    AnnounceVolume(form);
    waited = StillShownAfterAWhile(form);
    Click(form, IDOK);
  });
  EXPECT_EQ(windows_.ShowOKCancelDialog("Insert disc", "Please insert disc 2"), Answer::kYes);
  ASSERT_TRUE(answer.Finish());
  EXPECT_TRUE(waited);
}

TEST_F(MessageWindowsTest, ModalShowingEndsAtOnceWhileTheApplicationEnds) {
  PostQuitMessage(0);
  const DWORD start = GetTickCount();
  EXPECT_EQ(windows_.ShowOKCancelDialog("t", "ending"), Answer::kNo);
  EXPECT_EQ(windows_.ShowRetryCancelDialog("t", "ending"), Answer::kNo);
  windows_.ShowInfoDialog("t", "ending");
  EXPECT_TRUE(application_.Terminated());
  EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST_F(MessageWindowsTest, ArtworkLiesUnderTheMessage) {
  WindowAnswerer answer("TDialogInfoForm", kText, [](HWND form) {
    EXPECT_TRUE(test::WaitUntilPainted(form));
    // The black band at the top, the grey field below the text.
    EXPECT_EQ(test::ClientPixel(form, 300, 5), RGB(0, 0, 0));
    COLORREF field = test::ClientPixel(form, 20, 300);
    EXPECT_NEAR(GetRValue(field), 0xD9, 8);
    EXPECT_NEAR(GetBValue(field), 0xD9, 8);
    test::SaveScreenshot(form, "artifacts/dialog-info.bmp");
    Click(form, IDOK);
  });
  CreateDirectoryA("artifacts", nullptr);
  windows_.ShowInfoDialog("About this disc", "Orbit Studio 5 sample disc\n\rMade to show every feature of the launcher.");
  ASSERT_TRUE(answer.Finish());
}

TEST_F(MessageWindowsTest, InHighContrastNoArtworkIsDrawnUnderTheMessage) {
  windows_.SetColours(Palette::kSystem);
  WindowAnswerer answer("TDialogInfoForm", kText, [](HWND form) {
    EXPECT_TRUE(test::WaitUntilPainted(form));
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(test::ClientPixel(form, 300, 5), window);  // where the black band was
    EXPECT_EQ(test::ClientPixel(form, 20, 300), window);
    HWND text = GetDlgItem(form, kText);
    EXPECT_EQ(test::ClientPixel(text, 1, 1), window);
    Click(form, IDOK);
  });
  windows_.ShowInfoDialog("About this disc", "Orbit Studio 5 sample disc");
  ASSERT_TRUE(answer.Finish());
}

TEST_F(MessageWindowsTest, KeepsAScreenshotOfEachWindow) {
  CreateDirectoryA("artifacts", nullptr);
  auto shoot = [](const char* file) {
    return [file](HWND form) {
      EXPECT_TRUE(test::WaitUntilPainted(form));
      EXPECT_TRUE(test::SaveScreenshot(form, std::string("artifacts/") + file));
      PostMessageA(form, WM_CLOSE, 0, 0);
    };
  };
  WindowAnswerer okCancel("TDialogOKCancelForm", kText, shoot("dialog-ok-cancel.bmp"));
  windows_.ShowOKCancelDialog("Insert disc", "Please insert Orbit Studio 5 disc 2 and click OK.");
  ASSERT_TRUE(okCancel.Finish());
  WindowAnswerer retry("TDialogRetryCancelForm", kText, shoot("dialog-retry-cancel.bmp"));
  windows_.ShowRetryCancelDialog("File not found",
                                 "samples\\SampleSetup.exe was not found.\n\rPlease insert Orbit Studio 5 disc 2 and "
                                 "click Retry.");
  ASSERT_TRUE(retry.Finish());
  bool delayShot = false;
  std::thread delay([&delayShot] {
    HWND form = test::WaitForVisibleWindow("TDialogDelayForm", 3000);
    delayShot = form && test::WaitUntilPainted(form) && test::SaveScreenshot(form, "artifacts/dialog-delay.bmp");
  });
  windows_.ShowDelayDialog("Orbit Studio 5",
                           "Now installing:\n\r\n\rWorkbench, with a line long enough to show how the notice wraps "
                           "its text at word boundaries",
                           1);
  delay.join();
  EXPECT_TRUE(delayShot);
}

}  // namespace
}  // namespace launcher
