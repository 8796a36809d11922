// The launcher on scaled screens. The suite runs in a Wine prefix of its
// own, on a screen large enough for 200 % (see tests/CMakeLists.txt): each
// case sets the prefix's LogPixels, which a launcher reads as it starts.
// This process keeps the scale it started with, 96 DPI, and so measures the
// launcher's windows in physical pixels.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "e2e/AccessibleTree.h"
#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {
namespace {

// The screen's scale for the launchers started while it lives; the design's
// afterwards.
class ScreenScale {
 public:
  explicit ScreenScale(DWORD dpi) { Set(dpi); }
  ~ScreenScale() { Set(96); }
  ScreenScale(const ScreenScale&) = delete;
  ScreenScale& operator=(const ScreenScale&) = delete;

 private:
  static void Set(DWORD dpi) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
  }
};

RECT ClientOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client;
}

class ScaledScreen : public testing::TestWithParam<int> {
 protected:
  int Scaled(int logical) const { return MulDiv(logical, GetParam(), 96); }
  void TearDown() override { KeepScreenshotOfFailure(window_); }
  // Starts the launcher on a fixture disc; its main window once drawn.
  HWND StartOn(const std::string& disc) {
    launcher_.emplace("fixtures/e2e/" + disc);
    window_ = launcher_->DrawnMainWindow();
    return window_;
  }
  void CloseAndExpectACleanEnd() {
    EXPECT_EQ(launcher_->Close(window_), 0u);
  }

  ScreenScale scale_{static_cast<DWORD>(GetParam())};
  std::optional<LauncherProcess> launcher_;
  HWND window_ = nullptr;
};

// The partner's menu has a blue high-resolution background over its red
// ordinary one, and one button that shows the information window.
TEST_P(ScaledScreen, TheMenuAndTheInformationWindowAreTheirLayoutTimesTheScale) {
  HWND window = StartOn("partner-2x");
  ASSERT_NE(window, nullptr);
  const RECT client = ClientOf(window);
  EXPECT_EQ(client.right, Scaled(600));
  EXPECT_EQ(client.bottom, Scaled(400));
  const COLORREF background = ClientPixel(window, client.right - 3, client.bottom - 3);
  const bool blue = GetBValue(background) > 200 && GetRValue(background) < 50;
  EXPECT_EQ(blue, GetParam() > 96) << std::hex << background;

  HWND menu = FindWindowExA(window, nullptr, "TPanel", nullptr);
  while (menu && !IsWindowVisible(menu)) menu = FindWindowExA(window, menu, "TPanel", nullptr);
  AccessibleTree tree(menu);
  ASSERT_TRUE(tree.Valid());
  RECT button{};
  for (const AccessibleNode& node : tree.Children()) {
    if (node.role == ROLE_SYSTEM_PUSHBUTTON) button = node.location;
  }
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(button.left - origin.x, Scaled(18));
  EXPECT_EQ(button.top - origin.y, Scaled(153));

  // A click at the button's scaled centre runs its action.
  launcher_->ClickAt(window, (button.left + button.right) / 2 - origin.x, (button.top + button.bottom) / 2 - origin.y);
  HWND info = WaitForVisibleWindow("TDialogInfoForm", 5000, launcher_->ProcessId());
  ASSERT_NE(info, nullptr);
  const RECT form = ClientOf(info);
  EXPECT_EQ(form.right, Scaled(450));
  EXPECT_EQ(form.bottom, Scaled(333));
  PostMessageA(GetDlgItem(info, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(info); }, 5000));
  CloseAndExpectACleanEnd();
}

// Without a high-resolution member the ordinary picture is scaled to fill
// the whole client.
TEST_P(ScaledScreen, TheOrdinaryBackgroundFillsTheWholeClient) {
  HWND window = StartOn("partner");
  ASSERT_NE(window, nullptr);
  const RECT client = ClientOf(window);
  for (const POINT corner : {POINT{client.right - 2, client.bottom - 2}, POINT{client.right - 2, 2}}) {
    const COLORREF red = ClientPixel(window, corner.x, corner.y);
    EXPECT_GT(GetRValue(red), 220) << corner.x << "," << corner.y;
    EXPECT_LT(GetGValue(red), 40) << corner.x << "," << corner.y;
  }
  CloseAndExpectACleanEnd();
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledScreen, testing::Values(96, 120, 144, 192));

}  // namespace
}  // namespace launcher::test
