#include <gtest/gtest.h>

#include "core/FocusOrder.h"

namespace launcher {
namespace {

// A menu with gaps: buttons 2, 5 and 6 of eight are hidden.
const std::vector<bool> kMenu{true, false, true, true, false, false, true, true};

TEST(FocusOrder, StepsOverHiddenStopsAndWrapsBothWays) {
  EXPECT_EQ(MoveFocus(kMenu, 0, FocusMove::kNext), 2);
  EXPECT_EQ(MoveFocus(kMenu, 3, FocusMove::kNext), 6);
  EXPECT_EQ(MoveFocus(kMenu, 7, FocusMove::kNext), 0);
  EXPECT_EQ(MoveFocus(kMenu, 6, FocusMove::kPrevious), 3);
  EXPECT_EQ(MoveFocus(kMenu, 2, FocusMove::kPrevious), 0);
  EXPECT_EQ(MoveFocus(kMenu, 0, FocusMove::kPrevious), 7);
}

TEST(FocusOrder, FirstMoveWithoutFocusGoesToAnEnd) {
  EXPECT_EQ(MoveFocus(kMenu, -1, FocusMove::kNext), 0);
  EXPECT_EQ(MoveFocus(kMenu, -1, FocusMove::kPrevious), 7);
  const std::vector<bool> firstHidden{false, true, true, false};
  EXPECT_EQ(MoveFocus(firstHidden, -1, FocusMove::kNext), 1);
  EXPECT_EQ(MoveFocus(firstHidden, -1, FocusMove::kPrevious), 2);
}

TEST(FocusOrder, HomeAndEndFindTheOuterVisibleStops) {
  const std::vector<bool> edgesHidden{false, true, false, true, false};
  EXPECT_EQ(MoveFocus(edgesHidden, 3, FocusMove::kFirst), 1);
  EXPECT_EQ(MoveFocus(edgesHidden, 1, FocusMove::kLast), 3);
  EXPECT_EQ(MoveFocus(edgesHidden, -1, FocusMove::kLast), 3);
}

TEST(FocusOrder, AFocusedStopThatWasHiddenStillLeadsOnward) {
  EXPECT_EQ(MoveFocus(kMenu, 4, FocusMove::kNext), 6);
  EXPECT_EQ(MoveFocus(kMenu, 4, FocusMove::kPrevious), 3);
}

TEST(FocusOrder, SingleOrNoStops) {
  EXPECT_EQ(MoveFocus({false, true, false}, 1, FocusMove::kNext), 1);
  EXPECT_EQ(MoveFocus({false, true, false}, 1, FocusMove::kPrevious), 1);
  EXPECT_EQ(MoveFocus({false, false}, -1, FocusMove::kNext), -1);
  EXPECT_EQ(MoveFocus({}, -1, FocusMove::kFirst), -1);
}

}  // namespace
}  // namespace launcher
