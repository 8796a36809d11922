// A Hebrew disc that says RightToLeft=True: every window of the launcher
// mirrored as Windows mirrors its own, its pictures as they were drawn. The
// same disc without the switch is the left-to-right picture it mirrors.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "e2e/AccessibleTree.h"
#include "e2e/LoggedLauncher.h"
#include "windows/system/Win32Text.h"

namespace launcher::test {
namespace {

constexpr char kRightToLeftDisc[] = "fixtures/e2e/rtl";
constexpr char kLeftToRightDisc[] = "fixtures/e2e/rtl-off";
const char kButton1[] = "\u05d4\u05ea\u05e7\u05e0\u05d4";

bool Mirrored(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

// A window's client on the screen, whichever way it is laid out: the test
// reads and clicks pixels where the user sees them, not through the
// window's own (mirrored) coordinates.
RECT ClientOnScreen(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT corners[] = {{0, 0}, {client.right, client.bottom}};
  for (POINT& corner : corners) ClientToScreen(window, &corner);
  return {std::min(corners[0].x, corners[1].x), corners[0].y, std::max(corners[0].x, corners[1].x), corners[1].y};
}

COLORREF PixelSeen(HWND window, int x, int y) {
  const RECT client = ClientOnScreen(window);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, client.left + x, client.top + y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// The tooltip windows the main window owns: the pages'.
std::vector<HWND> TooltipsOf(HWND owner) {
  std::vector<HWND> tooltips;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, TOOLTIPS_CLASSA, nullptr)) != nullptr;) {
    if (GetWindow(window, GW_OWNER) == owner) tooltips.push_back(window);
  }
  return tooltips;
}

bool Dark(COLORREF colour) { return GetRValue(colour) < 100 && GetGValue(colour) < 100 && GetBValue(colour) < 100; }

class RightToLeftTest : public LoggedLauncherTest {
 protected:
  RightToLeftTest() : LoggedLauncherTest("rtl.log") {}

  // Menu button 1 as screen readers locate it, within the client as seen.
  RECT Button1Seen() const {
    RECT place{};
    for (const AccessibleNode& node : AccessibleTree(Page(0)).Children()) {
      if (node.name == kButton1) place = node.location;
    }
    const RECT client = ClientOnScreen(window_);
    OffsetRect(&place, -client.left, -client.top);
    return place;
  }
};

TEST_F(RightToLeftTest, TheMenuIsTheMirrorOfTheSameDiscWithoutTheSwitch) {
  Start(kLeftToRightDisc);
  EXPECT_FALSE(Mirrored(window_));
  const RECT leftToRight = Button1Seen();
  ASSERT_GT(leftToRight.right - leftToRight.left, 20);
  const RECT leftToRightClient = ClientOnScreen(window_);
  ASSERT_EQ(launcher_->Close(window_), 0u);

  Start(kRightToLeftDisc);
  EXPECT_TRUE(Mirrored(window_));
  const std::vector<HWND> tooltips = TooltipsOf(window_);
  EXPECT_EQ(tooltips.size(), 2u);
  for (HWND tooltip : tooltips) EXPECT_TRUE(Mirrored(tooltip));
  // The mirrored window stands where the other stood: its client, mapped
  // corner by corner, is the same rectangle on the screen.
  const RECT client = ClientOnScreen(window_);
  EXPECT_TRUE(EqualRect(&client, &leftToRightClient));
  const int width = client.right - client.left;
  const RECT rightToLeft = Button1Seen();
  EXPECT_EQ(rightToLeft.left, width - leftToRight.right);
  EXPECT_EQ(rightToLeft.right, width - leftToRight.left);
  EXPECT_EQ(rightToLeft.top, leftToRight.top);
  EXPECT_EQ(rightToLeft.bottom, leftToRight.bottom);
  // Kept for the README: the mirrored menu.
  SaveScreenshot(window_, "artifacts/right-to-left-menu.bmp");
}

TEST_F(RightToLeftTest, AClickWhereTheButtonIsSeenRunsItsActionInAMirroredWindow) {
  Start(kRightToLeftDisc);
  const RECT button = Button1Seen();
  const RECT client = ClientOnScreen(window_);
  launcher_->ClickAt(GetDesktopWindow(), client.left + (button.left + button.right) / 2,
                     client.top + (button.top + button.bottom) / 2);
  HWND form = WaitForVisibleWindow("TDialogInfoForm", 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntilPainted(form));
  EXPECT_TRUE(Mirrored(form));
  EXPECT_EQ(Utf8Of(WideWindowText(GetDlgItem(form, 1000))), "\u05d1\u05e8\u05d5\u05db\u05d9\u05dd \u05d4\u05d1\u05d0\u05d9\u05dd");
  SaveScreenshot(form, "artifacts/right-to-left-information.bmp");
  PostMessageW(GetDlgItem(form, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([form] { return !IsWindowVisible(form); }, 5000));
}

// The first row's box stands at the right of the row, where the list
// begins for a right-to-left reader; the row's left end is empty. The
// page's background, red along its left edge, is drawn as its author drew
// it, not mirrored.
TEST_F(RightToLeftTest, TheChecklistsBoxesStandOnTheRightOverTheBackgroundAsDrawn) {
  Start(kRightToLeftDisc);
  ASSERT_TRUE(OpenChecklist(2));
  ASSERT_TRUE(WaitUntilPainted(List()));
  EXPECT_TRUE(Mirrored(List()));
  RECT list;
  GetClientRect(List(), &list);
  int darkRight = 0, darkLeft = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      darkRight += Dark(PixelSeen(List(), list.right - 1 - x, y));
      darkLeft += Dark(PixelSeen(List(), x, y));
    }
  }
  EXPECT_GT(darkRight, 20) << "no box at the right";
  EXPECT_EQ(darkLeft, 0) << "something at the left";
  const RECT client = ClientOnScreen(window_);
  const COLORREF left = PixelSeen(window_, 3, 50), right = PixelSeen(window_, client.right - client.left - 4, 50);
  EXPECT_TRUE(GetRValue(left) > 200 && GetBValue(left) < 60) << std::hex << left;
  EXPECT_TRUE(GetBValue(right) > 200 && GetRValue(right) < 60) << std::hex << right;
  SaveScreenshot(window_, "artifacts/right-to-left-selection.bmp");
}

}  // namespace
}  // namespace launcher::test
