// What a button reports to the application when real mouse input reaches its panel.
#include <gtest/gtest.h>

#include <vector>

#include "button_fixture.h"

namespace strohvik {
namespace {

// Three regions side by side on the 100 x 50 picture, and empty area right of them.
class SmartButtonWithThreeRegions : public SmartButton {
 protected:
  void SetUp() override {
    button_ = MakeButton();
    first_ = AddSmartRectangle(0, 0, 29, 49, *button_);
    second_ = AddSmartCircle(45, 25, 10, *button_);
    third_ = AddSmartOval(75, 25, 10, 20, *button_);
  }
  static constexpr int kEmptyX = 95, kEmptyY = 2;
  ButtonPtr button_;
  RegionPtr first_, second_, third_;
};

TEST_F(SmartButtonWithThreeRegions, RegionsAreNumberedInTheOrderTheyWereAddedAndReportedOnArrival) {
  EXPECT_EQ(first_->GetNumber(), 1);
  EXPECT_EQ(second_->GetNumber(), 2);
  EXPECT_EQ(third_->GetNumber(), 3);
  auto tag = std::make_shared<TObject>();
  second_->SetExtra(tag);

  SimulateMouseEnter(*panel_, kEmptyX, kEmptyY);
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, 0}}));
  SimulateMouseMove(*panel_, 10, 10);
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, 1}}));
  SimulateMouseMove(*panel_, 45, 25);
  std::vector<TEvent> events = Drain();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front().id, kEventGadgetSelect);
  EXPECT_EQ(events.front().data, 2);
  EXPECT_EQ(events.front().extra, tag);
  EXPECT_EQ(events.front().source, panel_);
  SimulateMouseMove(*panel_, 75, 40);
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, 3}}));
}

TEST_F(SmartButton, OverlappingRegionsResolveToTheOneAddedFirst) {
  ButtonPtr button = MakeButton();
  AddSmartRectangle(0, 0, 40, 40, *button);
  AddSmartRectangle(20, 0, 40, 40, *button);
  SimulateMouseEnter(*panel_, 95, 45);
  struct Case {
    int x, y, number;
  };
  for (const Case& c : std::vector<Case>{{10, 10, 1}, {30, 10, 1}, {40, 40, 1}, {50, 10, 2}, {30, 20, 1}}) {
    SimulateMouseMove(*panel_, 95, 45);  // away first, so that every point is an arrival
    Drain();
    SimulateMouseMove(*panel_, c.x, c.y);
    EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, c.number}})) << c.x << ", " << c.y;
  }
}

TEST_F(SmartButtonWithThreeRegions, OnlyAnArrivalInARegionIsReportedAndTheHandShowsOverRegions) {
  struct Step {
    int x, y;
    std::vector<Seen> said;
    int pointer;
  };
  const std::vector<Step> steps = {
      {10, 10, {{kEventGadgetSelect, 1}}, kPointerHand},
      {12, 30, {}, kPointerHand},               // within the same region
      {kEmptyX, kEmptyY, {}, kPointerDefault},  // empty area
      {11, 11, {{kEventGadgetSelect, 1}}, kPointerHand},  // back again
      {45, 25, {{kEventGadgetSelect, 2}}, kPointerHand},  // straight into the next
  };
  SimulateMouseEnter(*panel_, kEmptyX, kEmptyY);
  Drain();
  for (const Step& step : steps) {
    SimulateMouseMove(*panel_, step.x, step.y);
    EXPECT_EQ(Said(), step.said) << step.x << ", " << step.y;
    EXPECT_EQ(gui_.Pointer(), step.pointer) << step.x << ", " << step.y;
  }
}

TEST_F(SmartButtonWithThreeRegions, PressesAndReleasesReportTheRegionAheadOfTheMouseEvent) {
  struct Case {
    bool down;
    int mouseButton;
    std::vector<Seen> fromPanel;
  };
  const std::vector<Case> cases = {
      {true, kMouseLeft, {{kEventGadgetAction, 2}, {kEventMouseDown, kMouseLeft}}},
      {true, kMouseRight, {{kEventGadgetMenu, 2}, {kEventMouseDown, kMouseRight}}},
      {false, kMouseLeft, {{kEventGadgetDone, 2}, {kEventMouseUp, kMouseLeft}}},
      {false, kMouseRight, {{kEventGadgetDone, -2}, {kEventMouseUp, kMouseRight}}},
      {true, kMouseMiddle, {{kEventMouseDown, kMouseMiddle}}},
  };
  SimulateMouseEnter(*panel_, 45, 25);
  Drain();
  for (const Case& c : cases) {
    SimulateMouseButton(*panel_, c.down, c.mouseButton, 45, 25);
    EXPECT_EQ(FromPanel(), c.fromPanel) << (c.down ? "down " : "up ") << c.mouseButton;
  }
}

TEST_F(SmartButtonWithThreeRegions, AClickOutsideEveryRegionReportsNothing) {
  SimulateMouseEnter(*panel_, 10, 10);
  SimulateMouseMove(*panel_, kEmptyX, kEmptyY);
  Drain();
  Click(kEmptyX, kEmptyY);
  Click(kEmptyX, kEmptyY, kMouseRight);
  EXPECT_EQ(Said(), std::vector<Seen>{});
}

TEST_F(SmartButtonWithThreeRegions, EnterAndLeaveAreReportedAsZeroAndMinusOne) {
  SimulateMouseEnter(*panel_, 10, 10);
  EXPECT_EQ(FromPanel(), (std::vector<Seen>{{kEventGadgetSelect, 0},
                                            {kEventMouseEnter, 0},
                                            {kEventGadgetSelect, 1},
                                            {kEventMouseMove, 0}}));
  EXPECT_EQ(gui_.Pointer(), kPointerHand);
  SimulateMouseLeave(*panel_);
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, -1}}));
  EXPECT_EQ(gui_.Pointer(), kPointerDefault);
  // Left while over a region: a press that follows belongs to no region.
  Click(10, 10);
  EXPECT_EQ(Said(), std::vector<Seen>{});
}

TEST_F(SmartButton, EventsOfOtherGadgetsAreNotTheButtons) {
  ButtonPtr button = MakeButton();
  AddSmartRectangle(0, 0, 99, 49, *button);
  TGadget& other = gui_.CreateGadget(GadgetKind::Panel, "Other", "", {0, 100, 50, 50}, &window_, kPanelActive);
  SimulateMouseEnter(other, 5, 5);
  SimulateMouseButton(other, true, kMouseLeft, 5, 5);
  EXPECT_EQ(Said(), std::vector<Seen>{});
  EXPECT_EQ(button->LastRegion(), nullptr);
}

TEST_F(SmartButton, AButtonTakesTheSizeOfItsPictureAndWithoutOneIsFiftySquareRed) {
  ButtonPtr pictured = MakeButton(Filled(37, 11, kGrey100));
  EXPECT_EQ(pictured->Panel().Shape(), (TRect{10, 20, 37, 11}));
  EXPECT_EQ(pictured->Panel().Parent(), &window_);

  ButtonPtr plain = CreateSmartButton(0, 0, nullptr, window_, 0);
  EXPECT_EQ(plain->Panel().Shape(), (TRect{0, 0, 50, 50}));
  const PixmapPtr shown = plain->Panel().Pixmap();
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->Width(), 50);
  ASSERT_EQ(shown->Height(), 50);
  for (auto [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {49, 0}, {0, 49}, {49, 49}, {25, 25}})
    EXPECT_EQ(shown->ReadPixel(x, y), 0xFFFF0000u) << x << ", " << y;
  EXPECT_EQ(plain->PixMap(), shown);
}

}  // namespace
}  // namespace strohvik
