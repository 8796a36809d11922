// What a screen reader reads of the launcher, asked from this process as a
// screen reader asks: the pages' buttons, labels and stages, the
// checklist's rows, and the actions it can take.
#include <algorithm>
#include <iostream>

#include "e2e/AccessibleTree.h"
#include "e2e/ActionsDisc.h"

namespace launcher::test {
namespace {

class ScreenReaderTest : public ActionsTest {
 protected:
  POINT Screen(int x, int y) const {
    POINT point{x, y};
    ClientToScreen(window_, &point);
    return point;
  }
  static std::vector<AccessibleNode> WithRole(const std::vector<AccessibleNode>& nodes, long role) {
    std::vector<AccessibleNode> found;
    for (const AccessibleNode& node : nodes) {
      if (node.role == role) found.push_back(node);
    }
    return found;
  }
  static const AccessibleNode* Named(const std::vector<AccessibleNode>& nodes, const std::string& name) {
    for (const AccessibleNode& node : nodes) {
      if (node.name == name) return &node;
    }
    return nullptr;
  }
  static std::vector<std::string> Names(const std::vector<AccessibleNode>& nodes) {
    std::vector<std::string> names;
    for (const AccessibleNode& node : nodes) names.push_back(node.name);
    return names;
  }
};

using Texts = std::vector<std::string>;

TEST_F(ScreenReaderTest, TheMenuReadsAsItsStagesAndVisibleButtons) {
  AccessibleTree menu(Page(0));
  ASSERT_TRUE(menu.Valid());
  EXPECT_EQ(menu.Self().role, ROLE_SYSTEM_CLIENT);
  const std::vector<AccessibleNode> children = menu.Children();
  // Top to bottom and left to right: the stages, then the buttons 1 to 7.
  ASSERT_EQ(children.size(), 13u);
  EXPECT_EQ(Names(WithRole(children, ROLE_SYSTEM_GRAPHIC)),
            (Texts{"DEFINE", "DESIGN", "DEVELOP", "TEST", "DEPLOY", "MANAGE"}));
  const std::vector<AccessibleNode> buttons = WithRole(children, ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(Names(buttons), (Texts{"Probe", "Missing", "Disc two", "About", "Broken", "Components", "Exit"}));
  for (size_t k = 0; k < buttons.size(); ++k) {
    const AccessibleNode& button = buttons[k];
    EXPECT_EQ(button.defaultAction, "Press") << button.name;
    EXPECT_EQ(button.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_INVISIBLE),
              STATE_SYSTEM_FOCUSABLE)
        << button.name;
    const POINT topLeft = Screen(18, kMenuTop[k + 1]);
    EXPECT_EQ(button.location.left, topLeft.x) << button.name;
    EXPECT_EQ(button.location.top, topLeft.y) << button.name;
    EXPECT_GT(button.location.right - button.location.left, 60) << button.name;
  }

  // The pointer and the keyboard, as a screen reader sees them.
  EXPECT_EQ(menu.HitTest(Screen(30, kMenuTop[2] + 12)), Named(buttons, "Missing")->childId);
  EXPECT_EQ(menu.HitTest(Screen(500, 300)), CHILDID_SELF);  // the background is the page itself
  launcher_->MoveTo(window_, 30, kMenuTop[3] + 12);
  EXPECT_TRUE(WaitFor([&] { return (Named(menu.Children(), "Disc two")->state & STATE_SYSTEM_HOTTRACKED) != 0; }, 3000));
  EXPECT_EQ(menu.Focus(), CHILDID_SELF);  // no button has the focus before the first key
  launcher_->PressKey(VK_TAB);
  const long probe = Named(buttons, "Probe")->childId;
  EXPECT_TRUE(WaitFor([&] { return menu.Focus() == probe; }, 3000));
  EXPECT_NE(Named(menu.Children(), "Probe")->state & STATE_SYSTEM_FOCUSED, 0);

  // Pressing it runs its action, as a click does.
  EXPECT_EQ(menu.DoDefaultAction(probe), S_OK);
  EXPECT_TRUE(WaitFor([] { return Recorded("record-menu.txt").size() == 1; }));
  EXPECT_EQ(menu.DoDefaultAction(Named(children, "TEST")->childId), DISP_E_MEMBERNOTFOUND);
}

TEST_F(ScreenReaderTest, TheSelectionPageReadsItsLabelsButtonsAndCheckedRows) {
  AccessibleTree menu(Page(0));
  ASSERT_EQ(menu.DoDefaultAction(Named(menu.Children(), "Components")->childId), S_OK);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(Page(1)) && !IsWindowVisible(Page(0)); }));

  AccessibleTree page(Page(1));
  std::vector<AccessibleNode> children = page.Children();
  EXPECT_EQ(Names(WithRole(children, ROLE_SYSTEM_STATICTEXT)), (Texts{"About it", "", "Choose"}));
  EXPECT_EQ(Names(WithRole(children, ROLE_SYSTEM_PUSHBUTTON)), (Texts{"Install", "Back"}));
  EXPECT_EQ(WithRole(children, ROLE_SYSTEM_GRAPHIC).size(), 6u);
  // The checklist is an object of its own, read through its window.
  EXPECT_EQ(std::count_if(children.begin(), children.end(),
                          [](const AccessibleNode& node) { return node.childId == CHILDID_SELF; }),
            1);

  AccessibleTree rows(List());
  ASSERT_TRUE(rows.Valid());
  EXPECT_EQ(rows.Self().role, ROLE_SYSTEM_LIST);
  std::vector<AccessibleNode> items = rows.Children();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(Names(items), (Texts{"First part", "Second part", "Third part"}));
  EXPECT_EQ(items[0].description, "First\r\nline two");
  EXPECT_EQ(items[1].description, "Second");
  for (const AccessibleNode& item : items) {
    EXPECT_EQ(item.role, ROLE_SYSTEM_LISTITEM);
    EXPECT_NE(item.state & STATE_SYSTEM_CHECKED, 0) << item.name;
  }
  EXPECT_NE(items[0].state & STATE_SYSTEM_FOCUSED, 0);  // the checklist has the focus, on its first row

  // Space unchecks the row; its state says so.
  launcher_->PressKey(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return (rows.Children()[0].state & STATE_SYSTEM_CHECKED) == 0; }, 3000));
  // The row's default action checks it again.
  EXPECT_EQ(rows.DoDefaultAction(1), S_OK);
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(List(), LB_GETITEMDATA, 0, 0) == 1; }, 3000));

  // Pointing at the second row shows its description and lights its stage.
  launcher_->MoveTo(window_, 18 + 100, 163 + 13 + 6);
  EXPECT_TRUE(WaitFor([&] { return Named(page.Children(), "Second") != nullptr; }, 3000));
  children = page.Children();
  for (const AccessibleNode& stage : WithRole(children, ROLE_SYSTEM_GRAPHIC)) {
    EXPECT_EQ((stage.state & STATE_SYSTEM_SELECTED) != 0, stage.name == "TEST") << stage.name;
  }
}

TEST(ScreenReaderGaps, HiddenButtonsAreNotReadAndTheKeyboardStepsOverThem) {
  LauncherProcess launcher("fixtures/e2e/gaps");
  HWND window = launcher.DrawnMainWindow();
  ASSERT_NE(window, nullptr);
  AccessibleTree menu(GetWindow(window, GW_CHILD));
  std::vector<std::string> names;
  long fifth = -1;
  for (const AccessibleNode& node : menu.Children()) {
    if (node.role != ROLE_SYSTEM_PUSHBUTTON) continue;
    names.push_back(node.name);
    if (node.name == "Fifth") fifth = node.childId;
  }
  EXPECT_EQ(names, (Texts{"First", "A much longer second text", "Fifth"}));
  for (int k = 0; k < 3; ++k) launcher.PressKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return menu.Focus() == fifth; }, 3000));
  KeepScreenshotOfFailure(window);
}

// What a screen reader reads of the sample disc, printed for people to read.
TEST(ScreenReaderSample, PrintsTheTreeOfBothPages) {
  LauncherProcess launcher("sample-disc");
  HWND window = launcher.DrawnMainWindow();
  ASSERT_NE(window, nullptr);
  AccessibleTree menu(GetWindow(window, GW_CHILD));
  std::cout << "menu page:\n" << menu.Print();
  for (const AccessibleNode& node : menu.Children()) EXPECT_FALSE(node.name.empty());
  long opener = -1;
  for (const AccessibleNode& node : menu.Children()) {
    if (node.role == ROLE_SYSTEM_PUSHBUTTON && opener < 0) opener = node.childId;
  }
  ASSERT_EQ(menu.DoDefaultAction(opener), S_OK);
  HWND list = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    list = FindWindowExA(GetWindow(window, GW_CHILD), nullptr, "ListBox", nullptr);
    return list && IsWindowVisible(list);
  }));
  AccessibleTree page(GetWindow(window, GW_CHILD));
  AccessibleTree rows(list);
  std::cout << "selection page:\n" << page.Print() << "its checklist:\n" << rows.Print();
  for (const AccessibleNode& row : rows.Children()) EXPECT_NE(row.state & STATE_SYSTEM_CHECKED, 0) << row.name;
  KeepScreenshotOfFailure(window);
}

}  // namespace
}  // namespace launcher::test
