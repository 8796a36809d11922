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

// The palette a page draws with, from the page's window.
TPanel& PageOf(HWND page) { return *reinterpret_cast<TPanel*>(GetWindowLongPtrA(page, GWLP_USERDATA)); }

// High contrast switched on or off while the launcher runs: the main window
// reads the system's palette again when the system announces a change of
// settings or of colours, and gives it to its pages. (A program cannot
// switch high contrast under Wine, so the page is left with the other
// palette, as it would be after the switch.)
TEST(MainWindowTest, ThePaletteIsReadAgainWhenSettingsOrColoursChange) {
  Application application("Install_Windows", true);
  TInstallWindows main(application, nullptr, true);
  HWND page = FindWindowExA(main.Handle(), nullptr, "TPanel", nullptr);
  ASSERT_NE(page, nullptr);
  const Palette system = SystemPalette(), other = system == Palette::kSystem ? Palette::kDesigned : Palette::kSystem;
  EXPECT_EQ(PageOf(page).Colours(), system);
  for (const UINT announcement : {static_cast<UINT>(WM_SETTINGCHANGE), static_cast<UINT>(WM_SYSCOLORCHANGE)}) {
    PageOf(page).SetColours(other);
    SendMessageA(main.Handle(), announcement, announcement == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
    EXPECT_EQ(PageOf(page).Colours(), system) << announcement;
  }
}

}  // namespace
}  // namespace launcher
