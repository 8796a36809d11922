#include <gtest/gtest.h>

#include <cstdlib>

#include "core/Config.h"
#include "core/Texts.h"
#include "e2e/LauncherProcess.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {
namespace {

std::string Disc(const std::string& name) { return "fixtures/e2e/" + name; }

// Keeps a screenshot of the launcher when a case fails.
class LauncherTest : public testing::Test {
 protected:
  void TearDown() override {
    KeepScreenshotOfFailure(shotOf_);
  }
  HWND Watch(HWND window) { return shotOf_ = window; }

 private:
  HWND shotOf_ = nullptr;
};

struct StartupError {
  const char* disc;
  const char* title;
  const char* text;
};

class StartupErrors : public LauncherTest, public testing::WithParamInterface<StartupError> {};

TEST_P(StartupErrors, AreShownAndTheWindowOpensWithWhatWasSet) {
  LauncherProcess launcher(Disc(GetParam().disc));
  ASSERT_TRUE(launcher.Started());
  MessageBoxSeen box = launcher.AnswerMessageBox();
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.title, GetParam().title);
  EXPECT_EQ(box.text, GetParam().text);
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(launcher.Close(window), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartupErrors,
    testing::Values(StartupError{"no-jar", "Install_Windows", "Archive does not exist - Filename is blank."},
                    StartupError{"no-action-total", "Install_Windows", "'' is not a valid integer value."},
                    StartupError{"empty-action-total", "Install_Windows", "'' is not a valid integer value."},
                    StartupError{"bad-action-total", "Install_Windows", "'six' is not a valid integer value."},
                    StartupError{"negative-action-total", "Install_Windows", "Range check error."},
                    StartupError{"bad-assist", "Error Disc", "'maybe' is not a valid boolean value."},
                    StartupError{"no-properties", "Install_Windows", "'' is not a valid integer value."}),
    [](const testing::TestParamInfo<StartupError>& param) {
      std::string name = param.param.disc;
      std::erase(name, '-');
      return name;
    });

TEST_F(LauncherTest, ASecondStartEndsAtOnceAndLeavesTheFirstAlone) {
  LauncherProcess first(Disc("gaps"));
  HWND window = Watch(first.MainWindow());
  ASSERT_NE(window, nullptr);
  RECT before;
  GetWindowRect(window, &before);
  LauncherProcess second(Disc("partner"));
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(WindowText(window), "Gaps");
  RECT after;
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(first.Close(window), 0u);
}

// While Windows Installer asks for a disc, inserting it must not bring up
// the menu: the launcher ends at once, showing and activating nothing. The
// test itself holds the mutex, as the installer's process would.
TEST_F(LauncherTest, EndsAtOnceWhileWindowsInstallerAsksForADisc) {
  for (const char* name : {"__MsiPromptForCD", "Global\\__MsiPromptForCD"}) {
    SCOPED_TRACE(name);
    HANDLE prompt = CreateMutexA(nullptr, FALSE, name);
    ASSERT_NE(prompt, nullptr);
    HWND foreground = GetForegroundWindow();
    {
      LauncherProcess launcher(Disc("gaps"));
      ASSERT_TRUE(launcher.Started());
      EXPECT_EQ(launcher.WaitForExit(), 0u);
    }
    EXPECT_EQ(FindWindowA("TInstallWindows", nullptr), nullptr);
    EXPECT_EQ(GetForegroundWindow(), foreground);
    CloseHandle(prompt);
  }
  // Once the installer is done, the launcher starts as usual.
  LauncherProcess launcher(Disc("gaps"));
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(launcher.Close(window), 0u);
}

TEST_F(LauncherTest, PlacedFiftyPixelsUpAndLeftOfTheScreensCentre) {
  LauncherProcess launcher(Disc("gaps"));
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  RECT frame, client;
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 400);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(frame.left, PlacementOrigin(1024, frame.right - frame.left));
  EXPECT_EQ(frame.top, PlacementOrigin(768, frame.bottom - frame.top));
  EXPECT_EQ(SendMessageA(window, RegisterWindowMessageA("QueryCancelAutoPlay"), 0, 0), 1);
  EXPECT_EQ(launcher.Close(window), 0u);
}

// Menu buttons are black boxes with a white edge at x 18; their tops are
// fixed by number.
constexpr int kMenuTop[12] = {0, 153, 172, 191, 210, 229, 245, 264, 283, 302, 321, 340};

// Looks at the left edge, 12 pixels down: below the fifth button's bottom
// where it overlaps the sixth's place.
bool ButtonShownAt(HWND window, int number) {
  return ClientPixel(window, 18, kMenuTop[number] + 12) == RGB(255, 255, 255) &&
         ClientPixel(window, 20, kMenuTop[number] + 12) == RGB(0, 0, 0);
}

int ButtonWidthAt(HWND window, int number) {
  const int y = kMenuTop[number] + 2;  // in the black fill above the caption
  int x = 19;
  while (x < 600 && ClientPixel(window, x, y) == RGB(0, 0, 0)) ++x;
  return x + 2 - 18;  // the right edge is two pixels wide
}

TEST_F(LauncherTest, HidesButtonsWithoutTextAndGivesTheOthersOneWidth) {
  LauncherProcess launcher(Disc("gaps"));
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilPainted(window));
  EXPECT_TRUE(ButtonShownAt(window, 1));
  EXPECT_TRUE(ButtonShownAt(window, 2));
  EXPECT_TRUE(ButtonShownAt(window, 5));  // at its own place despite the gap
  for (int n : {3, 4, 6, 7, 8, 9, 10, 11}) EXPECT_FALSE(ButtonShownAt(window, n)) << n;
  const int width = ButtonWidthAt(window, 1);
  EXPECT_GT(width, 150);  // the longest text's width + 26
  EXPECT_EQ(ButtonWidthAt(window, 2), width);
  EXPECT_EQ(ButtonWidthAt(window, 5), width);
  EXPECT_EQ(launcher.Close(window), 0u);
}

// The release's test runs this case on the signed launcher too.
TEST_F(LauncherTest, StartsTheSampleDiscWithItsMenu) {
  LauncherProcess launcher("sample-disc");
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilPainted(window));
  EXPECT_EQ(WindowText(window), "Orbit Studio 5");
  EXPECT_TRUE(ButtonShownAt(window, 1));
  EXPECT_EQ(launcher.Close(window), 0u);
}

TEST_F(LauncherTest, ShowsThePartnersBackground) {
  LauncherProcess partner(Disc("partner"));
  HWND window = Watch(partner.MainWindow());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilPainted(window));
  const COLORREF background = ClientPixel(window, 500, 300);
  EXPECT_GT(GetRValue(background), 240);
  EXPECT_LT(GetGValue(background), 20);
  EXPECT_EQ(partner.Close(window), 0u);

  // Without pictures of its own the disc shows the designed background.
  LauncherProcess plain(Disc("gaps"));
  window = Watch(plain.MainWindow());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilPainted(window));
  const COLORREF designed = ClientPixel(window, 500, 300);
  EXPECT_NEAR(GetRValue(designed), 0xDA, 6);
  EXPECT_NEAR(GetBValue(designed), 0xE2, 6);
  EXPECT_EQ(plain.Close(window), 0u);
}

// The suite runs once per display language (see tests/CMakeLists.txt);
// under Wine the launcher inherits the test's, so the test's own language
// says which properties the launcher must have read: the member of the
// language and region, else of the language, else the base member.
TEST_F(LauncherTest, ChoosesThePropertiesOfTheDisplayLanguage) {
  struct Expected {
    LANGID language;
    const wchar_t* title;
  };
  const Expected table[] = {
      {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), L"Deutsch \u00e4\u00f6\u00fc"},
      {MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), L"\u65e5\u672c\u8a9e"},
      {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), L"Portugu\u00eas (Brasil)"},
      {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE), L"Portugu\u00eas"},
  };
  const LANGID language = GetUserDefaultUILanguage();
  // Guards against a locale that did not take, which would test English
  // over and over.
  if (const char* expectedLanguage = std::getenv("EXPECTED_LANGUAGE_ID")) {
    ASSERT_EQ(language, static_cast<LANGID>(std::strtol(expectedLanguage, nullptr, 16)));
  }
  std::wstring expected = L"English";
  for (const Expected& row : table) {
    if (row.language == language) expected = row.title;
  }
  LauncherProcess launcher(Disc("languages"));
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WideWindowText(window), expected) << "display language " << std::hex << language;
  EXPECT_EQ(launcher.Close(window), 0u);
}

// "/lang" shows a translation whatever the display language: an author sees
// each on one machine.
TEST_F(LauncherTest, TheLanguageAskedForOnTheCommandLineComesFirst) {
  LauncherProcess launcher(Disc("languages"), "/lang pt_BR");
  HWND window = Watch(launcher.MainWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WideWindowText(window), L"Portugu\u00eas (Brasil)");
  EXPECT_EQ(launcher.Close(window), 0u);
}

}  // namespace
}  // namespace launcher::test
