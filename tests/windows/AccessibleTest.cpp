// The accessible objects of the window kit, read in the launcher's own
// process: a page's controls in reading order, the default action, the
// message windows' texts, and an object that outlives its window.
#include <gtest/gtest.h>

#include <memory>

#include "e2e/AccessibleTree.h"
#include "windows/MessageWindows.h"
#include "windows/kit/Image.h"
#include "windows/kit/InstallButton.h"
#include "windows/kit/Label.h"
#include "windows/kit/Panel.h"

namespace launcher {
namespace {

using test::AccessibleNode;
using test::AccessibleTree;

class AccessibleTest : public testing::Test {
 protected:
  AccessibleTest()
      : window_(CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr)),
        panel_(std::make_unique<TPanel>(application_, window_, 0, 0, 600, 400)) {}
  ~AccessibleTest() override {
    controls_.clear();
    panel_.reset();
    DestroyWindow(window_);
  }

  template <typename Control>
  Control& Add(std::unique_ptr<Control> control, int left, int top, int width, int height) {
    control->SetBounds(left, top, width, height);
    control->SetParent(panel_.get());
    Control& added = *control;
    controls_.push_back(std::move(control));
    return added;
  }
  TInstallButton& AddButton(const std::string& caption, int top) {
    TInstallButton& button = Add(std::make_unique<TInstallButton>(), 18, top, 100, 23);
    button.SetCaption(caption);
    button.OnClick = [this, caption](TInstallButton&) { clicked_ += caption; };
    return button;
  }

  Application application_{"Install_Windows"};
  HWND window_;
  std::unique_ptr<TPanel> panel_;
  std::vector<std::unique_ptr<TControl>> controls_;
  std::string clicked_;
};

TEST_F(AccessibleTest, APageListsWhatItShowsInReadingOrder) {
  // Created from the bottom up, as the menu is; a picture without a name
  // and a hidden button are not read.
  AddButton("Lower", 60).SetHint("Below the other");
  TInstallButton& hidden = AddButton("Hidden", 90);
  hidden.SetVisible(false);
  AddButton("Upper", 30);
  Add(std::make_unique<TImage>(), 0, 0, 600, 400);
  TImage& stage = Add(std::make_unique<TImage>(), 200, 30, 50, 50);
  stage.SetAccessibleName("TEST");
  stage.SetSelected(true);
  TLabel& label = Add(std::make_unique<TLabel>(FontSpec{}, true, true), 300, 30, 100, 40);
  label.SetCaption("Two\r\nlines");  // a label reads as it draws

  AccessibleTree tree(panel_->Handle());
  ASSERT_TRUE(tree.Valid());
  const std::vector<AccessibleNode> nodes = tree.Children();
  ASSERT_EQ(nodes.size(), 4u);
  EXPECT_EQ(nodes[0].name, "Upper");
  EXPECT_EQ(nodes[1].name, "TEST");
  EXPECT_EQ(nodes[1].role, ROLE_SYSTEM_GRAPHIC);
  EXPECT_NE(nodes[1].state & STATE_SYSTEM_SELECTED, 0);
  EXPECT_EQ(nodes[2].name, "Two\r\nlines");
  EXPECT_EQ(nodes[2].role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(nodes[3].name, "Lower");
  EXPECT_EQ(nodes[3].description, "Below the other");
  EXPECT_EQ(nodes[3].location.top, 60);
  EXPECT_EQ(tree.HitTest(POINT{20, 65}), nodes[3].childId);
  EXPECT_EQ(tree.HitTest(POINT{20, 95}), CHILDID_SELF);  // the hidden button is looked through

  // The default action runs from the message loop, after the call returned.
  EXPECT_EQ(tree.DoDefaultAction(nodes[3].childId), S_OK);
  EXPECT_EQ(clicked_, "");
  application_.ProcessMessages();
  EXPECT_EQ(clicked_, "Lower");
  EXPECT_EQ(tree.DoDefaultAction(nodes[2].childId), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(tree.DoDefaultAction(99), E_INVALIDARG);
}

TEST_F(AccessibleTest, AnObjectHeldAfterItsPageIsGoneAnswersNotConnected) {
  AddButton("Only", 30);
  AccessibleTree tree(panel_->Handle());
  long count = 0;
  ASSERT_EQ(tree.ChildCount(&count), S_OK);
  EXPECT_EQ(count, 1);
  controls_.clear();
  panel_.reset();
  EXPECT_EQ(tree.ChildCount(&count), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(tree.DoDefaultAction(1), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(tree.Focus(), -1);
}

struct WinEvent {
  DWORD event;
  HWND window;
  LONG object, child;
  bool operator==(const WinEvent&) const = default;
};
std::vector<WinEvent> heard;
void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_STATECHANGE) heard.push_back({event, window, object, child});
}

TEST_F(AccessibleTest, ChangesAreAnnouncedForTheirChild) {
  TLabel& info = Add(std::make_unique<TLabel>(FontSpec{}, true, true), 300, 100, 100, 40);
  TImage& stage = Add(std::make_unique<TImage>(), 200, 30, 50, 50);
  stage.SetAccessibleName("TEST");
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Hear,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  heard.clear();
  info.SetCaption("What the row does");  // the second child in reading order
  stage.SetSelected(true);
  application_.ProcessMessages();
  UnhookWinEvent(hook);
  const HWND page = panel_->Handle();
  EXPECT_EQ(heard, (std::vector<WinEvent>{{EVENT_OBJECT_NAMECHANGE, page, OBJID_CLIENT, 2},
                                          {EVENT_OBJECT_STATECHANGE, page, OBJID_CLIENT, 1}}));
}

TEST(AccessibleMessageText, TheMessageIsReadAsAStaticText) {
  Application application("Install_Windows");
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  {
    MessageWindows windows(application, owner);
    windows.Info.Prepare("About", "Line one\n\rLine two");
    AccessibleTree text(windows.Info.MessageText());
    EXPECT_EQ(text.Self().role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(text.Self().name, "Line one\r\nLine two");
  }
  DestroyWindow(owner);
}

}  // namespace
}  // namespace launcher
