// The main window moved between monitors of different scales. Wine never
// sends WM_DPICHANGED, so the test does, with the frame Windows would
// suggest. The window is unattended and started where there is no disc:
// its start-up stops quietly, and the pages are as designed.
#include <gtest/gtest.h>

#include <windows.h>

#include "windows/Main.h"

namespace launcher {
namespace {

RECT PlaceIn(HWND child) {
  RECT place;
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

TEST(MainWindowTest, MovedToA150PercentMonitorAndBackItIsItsLayoutScaledAndThenAsBefore) {
  Application application("Install_Windows", true);
  TInstallWindows main(application, nullptr, true);
  HWND window = main.Handle();
  HWND page = FindWindowExA(window, nullptr, "TPanel", nullptr);
  HWND list = FindWindowExA(FindWindowExA(window, page, "TPanel", nullptr), nullptr, "ListBox", nullptr);
  ASSERT_NE(list, nullptr);
  RECT designedFrame, client;
  GetWindowRect(window, &designedFrame);
  const RECT designedList = PlaceIn(list);
  EXPECT_EQ(designedList.left, 18);
  EXPECT_EQ(designedList.top, 163);

  RECT suggested = designedFrame;
  suggested.right = suggested.left + 906;  // the 900 x 600 client in Wine's frame
  suggested.bottom = suggested.top + 634;
  SendMessageA(window, kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_TRUE(EqualRect(&frame, &suggested));
  GetClientRect(page, &client);
  EXPECT_EQ(client.right, 900);
  EXPECT_EQ(client.bottom, 600);
  const RECT scaledList = PlaceIn(list);
  EXPECT_EQ(scaledList.left, 27);
  EXPECT_EQ(scaledList.top, 245);  // 163 x 1.5, rounded
  EXPECT_EQ(scaledList.right, MulDiv(18 + 321, 144, 96));
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), MulDiv(TCheckListBox::kItemHeight, 144, 96));

  SendMessageA(window, kDpiChanged, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&designedFrame));
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, TInstallWindows::kClientWidth);
  EXPECT_EQ(client.bottom, TInstallWindows::kClientHeight);
  const RECT list96 = PlaceIn(list);
  EXPECT_TRUE(EqualRect(&list96, &designedList));
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), TCheckListBox::kItemHeight);
}

}  // namespace
}  // namespace launcher
