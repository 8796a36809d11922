// The launcher without a mouse: real key presses on both pages, the focus
// cue read back from the screen, and a mouse-only run that looks as it did.
#include "e2e/AccessibleTree.h"
#include "e2e/ActionsDisc.h"

namespace launcher::test {
namespace {

class KeyboardTest : public ActionsTest {
 protected:
  // Windows shows focus cues once the keyboard is used unless the user asks
  // for them always; Wine's default asks for them always.
  void SetUp() override {
    SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    ActionsTest::SetUp();
  }
  // The dotted focus rectangle runs down the left of the button's black
  // box, three pixels in, where no caption reaches.
  bool FocusCueOn(int number) const {
    int white = 0;
    for (int y = kMenuTop[number] + 3; y < kMenuTop[number] + 12; ++y) {
      const COLORREF c = ClientPixel(window_, 18 + 3, y);
      white += GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
    }
    return white >= 3;
  }
  // The menu's pixels where the buttons are.
  std::vector<COLORREF> MenuPixels() const {
    std::vector<COLORREF> pixels;
    for (int y = kMenuTop[1]; y < kMenuTop[7] + 23; ++y) {
      for (int x = 18; x < 190; ++x) pixels.push_back(ClientPixel(window_, x, y));
    }
    return pixels;
  }
  // The child id of a menu button in the menu page's accessible tree.
  long MenuButtonId(const std::string& caption) const {
    AccessibleTree tree(Page(0));
    for (const AccessibleNode& node : tree.Children()) {
      if (node.role == ROLE_SYSTEM_PUSHBUTTON && node.name == caption) return node.childId;
    }
    return -1;
  }
};

TEST_F(KeyboardTest, TabDownAndEnterRunTheSecondButtonsAction) {
  // Before the first key no button shows the focus.
  EXPECT_FALSE(FocusCueOn(1));
  EXPECT_FALSE(FocusCueOn(2));
  launcher_->PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return FocusCueOn(1); }, 3000));
  launcher_->PressKey(VK_DOWN);
  ASSERT_TRUE(WaitFor([&] { return FocusCueOn(2) && !FocusCueOn(1); }, 3000));
  launcher_->PressKey(VK_RETURN);
  // Button 2 runs a program that is not on the disc yet.
  Answer asked = AnswerWindow(*launcher_, "TDialogRetryCancelForm", IDCANCEL);
  EXPECT_EQ(asked.title, "Missing");
  EXPECT_EQ(asked.text, "later.txt\n\rwas not found.\n\rInsert Actions disc.");
  // Back from the message window, the focus is where it was.
  EXPECT_TRUE(WaitFor([&] { return FocusCueOn(2); }, 3000));
}

TEST_F(KeyboardTest, ShiftTabFromNothingReachesTheLastButtonAndEnterEndsTheLauncher) {
  launcher_->PressKey(VK_TAB, true);
  launcher_->PressKey(VK_RETURN);
  EXPECT_EQ(launcher_->WaitForExit(), 0u);
}

TEST_F(KeyboardTest, TheChecklistTakesSpaceTabAndEscapeAndTheMenuGetsItsFocusBack) {
  launcher_->PressKey(VK_END);  // Exit
  launcher_->PressKey(VK_UP);   // Components
  launcher_->PressKey(VK_SPACE);
  ASSERT_TRUE(WaitFor([&] { return List() != nullptr && IsWindowVisible(List()); }));
  HWND list = List();
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  EXPECT_TRUE(WaitFor([&] { return FocusOf(thread) == list; }, 3000));
  EXPECT_FALSE(IsWindowVisible(Page(0)));  // the menu behind is out of sight, and of the tree

  // Space toggles the selected row; Tab goes to Install, Cancel, and back.
  launcher_->PressKey(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETITEMDATA, 0, 0) == 0; }, 3000));
  launcher_->PressKey(VK_TAB);
  AccessibleTree selection(Page(1));
  auto focusedName = [&] {
    const long focus = selection.Focus();
    for (const AccessibleNode& node : selection.Children()) {
      if (node.childId == focus && focus > 0) return node.name;
    }
    return std::string();
  };
  EXPECT_TRUE(WaitFor([&] { return focusedName() == "Install"; }, 3000));
  launcher_->PressKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return focusedName() == "Back"; }, 3000));
  launcher_->PressKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return FocusOf(thread) == list; }, 3000));
  launcher_->PressKey(VK_TAB, true);
  EXPECT_TRUE(WaitFor([&] { return focusedName() == "Back"; }, 3000));

  // Escape is Cancel: the menu comes back with the focus on Components.
  launcher_->PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(Page(0)) && !IsWindowVisible(Page(1)); }, 3000));
  AccessibleTree menu(Page(0));
  EXPECT_TRUE(WaitFor([&] { return menu.Focus() == MenuButtonId("Components"); }, 3000));
  // So Space opens the checklist again, every row checked anew.
  launcher_->PressKey(VK_SPACE);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(list); }, 3000));
  EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 0, 0), 1);
}

TEST_F(KeyboardTest, AMouseOnlyRunShowsNoFocusCue) {
  launcher_->MoveTo(window_, 500, 60);
  ASSERT_TRUE(WaitUntilPainted(window_));
  const std::vector<COLORREF> before = MenuPixels();
  // Components opens the checklist and Back returns, which gives the button
  // the focus again: with the mouse only, nothing shows it.
  ASSERT_TRUE(OpenChecklist(6));
  launcher_->ClickAt(window_, 480, 385);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(Page(0)); }, 3000));
  launcher_->MoveTo(window_, 500, 60);
  ASSERT_TRUE(WaitUntilPainted(window_));
  EXPECT_TRUE(before == MenuPixels());
  EXPECT_FALSE(FocusCueOn(1));
}

}  // namespace
}  // namespace launcher::test
