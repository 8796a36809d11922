// The real launcher on a Japanese system (code page 932): a disc in a folder
// whose name ends in 表, a disc title beginning with 評, and ASCII letters in
// Japanese captions. tests/CMakeLists.txt runs these under the Japanese
// locale; elsewhere they are skipped.
#include <gtest/gtest.h>

#include "e2e/AccessibleTree.h"
#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {
namespace {

// The folder "ja表" (its path in UTF-8, as the tests name paths) and the
// title "評価版" in code page 932.
constexpr char kFolder[] = "fixtures/e2e/ja\u8868";
constexpr char kTitle[] = "\x95\x5D\x89\xBF\x94\xC5";
constexpr int kMenuTop[] = {0, 153, 172, 191, 210, 229};

class JapaneseSystem : public testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 932) GTEST_SKIP() << "runs under the Japanese locale (ctest -R e2e_japanese)";
  }
  void Start(const std::string& folder) {
    launcher_ = std::make_unique<LauncherProcess>(folder);
    window_ = launcher_->MainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntilPainted(window_));
  }
  // Clicks menu button `n` and reads the disc question it asks; Cancel.
  std::string DiscQuestionOfButton(int n) {
    launcher_->ClickAt(window_, 40, kMenuTop[n] + 10);
    HWND form = WaitForVisibleWindow("TDialogOKCancelForm", 10000, launcher_->ProcessId());
    if (!form) return "<none>";
    WaitUntilPainted(form);
    const std::string text = WindowText(GetDlgItem(form, 1000));
    PostMessageA(GetDlgItem(form, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([form] { return !IsWindowVisible(form); }, 5000));
    return text;
  }
  void TearDown() override {
    KeepScreenshotOfFailure(window_);
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  }

  // The lit (white) pixels of the ASCII word at the start of menu button
  // `n`'s caption: its middle rows, clear of the button's edges and of the
  // next button, which the Japanese font's taller lines overlap.
  int LitPixels(int n) const {
    int lit = 0;
    for (int y = kMenuTop[n] + 4; y < kMenuTop[n] + 16; ++y) {
      for (int x = 30; x < 105; ++x) {
        const COLORREF pixel = ClientPixel(window_, x, y);
        if (GetRValue(pixel) > 160 && GetGValue(pixel) > 160 && GetBValue(pixel) > 160) ++lit;
      }
    }
    return lit;
  }

  std::unique_ptr<LauncherProcess> launcher_;
  HWND window_ = nullptr;
};

TEST_F(JapaneseSystem, StartsFromAFolderEndingInATrailBackslash) {
  Start(kFolder);
  // A start-up error would have shown its box before the window.
  EXPECT_EQ(WaitForVisibleWindow("#32770", 300, launcher_->ProcessId()), nullptr);
  EXPECT_EQ(WindowText(window_), kTitle);
}

TEST_F(JapaneseSystem, TheDiscChangeAsksForTheWholeTitle) {
  Start(kFolder);
  EXPECT_EQ(DiscQuestionOfButton(1), std::string("Insert\n\r") + kTitle + " disc 2\n\rnow.");
}

// The sample disc's fifth button asks for its trial disc, "... 評価版 disc 2".
TEST_F(JapaneseSystem, TheSampleDiscAsksForItsTrialDiscByItsWholeTitle) {
  Start("sample-disc");
  const std::string question = DiscQuestionOfButton(5);
  EXPECT_EQ(question.rfind(std::string("Orbit Studio 5 ") + kTitle + " disc 2\n\r", 0), 0u) << question;
}

// A font without Latin letters would draw every ASCII letter as the same
// empty box; real letters make "WWWWWWWW" far brighter than "iiiiiiii".
TEST_F(JapaneseSystem, AsciiLettersInJapaneseCaptionsAreDrawn) {
  Start(kFolder);
  const int narrow = LitPixels(2), wide = LitPixels(3);
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, narrow * 3 / 2) << "iiiiiiii lit " << narrow << " pixels, WWWWWWWW " << wide;
}

// A screen reader gets the captions as the characters they are, not as
// code-page bytes.
TEST_F(JapaneseSystem, AScreenReaderReadsTheJapaneseCaptions) {
  Start(kFolder);
  AccessibleTree menu(GetWindow(window_, GW_CHILD));
  std::vector<std::string> buttons;
  for (const AccessibleNode& node : menu.Children()) {
    if (node.role == ROLE_SYSTEM_PUSHBUTTON) buttons.push_back(node.name);
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"Disc two", "iiiiiiii \u306e", "WWWWWWWW \u306e"}));
}

}  // namespace
}  // namespace launcher::test
