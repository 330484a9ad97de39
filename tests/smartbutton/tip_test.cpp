// The tooltip of a button: armed by arriving in its region, shown after the mouse has
// rested, following the cursor, gone on leave, on a move outside or after its time.
// Its one-second ticks are delivered through the hook chain as its timer delivers them.
#include <gtest/gtest.h>

#include "smartbutton/tip_action.h"
#include "tests/smartbutton/button_fixture.h"

namespace strohvik {
namespace {

class Tips : public SmartButton {
 protected:
  void SetUp() override {
    window_.SetShow(true);
    button_ = MakeButton();
    region_ = AddSmartRectangle(0, 0, 49, 49, *button_);
    driver().cursor = TPoint{300, 400};
  }
  TScriptedSystemDriver& driver() { return static_cast<TScriptedSystemDriver&>(gui_.System()); }

  TActionShowTip& Arm(int delay, int timeout) {
    tip_ = std::static_pointer_cast<TActionShowTip>(
        AddActionShowTip(TriggerMove, 0, "Mod laden", delay, timeout, 10, 20, 120, 30, *region_));
    SimulateMouseLeave(*panel_);
    SimulateMouseEnter(*panel_, 5, 5);  // arriving in the region arms it
    return *tip_;
  }
  // The tip's timer at its count-th tick since it was (re)started.
  void Tick(int count) {
    TEvent tick{.id = kEventTimerTick, .source = tip_.get(), .data = count};
    gui_.Emit(tick);
  }

  ButtonPtr button_;
  RegionPtr region_;
  std::shared_ptr<TActionShowTip> tip_;
};

TEST_F(Tips, AfterOneSecondOfRestTheTipShowsAtTheCursorPlusItsOffsetsInItsColours) {
  TActionShowTip& tip = Arm(1, 5);
  Tick(1);
  EXPECT_FALSE(tip.Showing()) << "shown when the count exceeds the delay";
  Tick(2);
  ASSERT_TRUE(tip.Showing());
  const TRect shape = tip.Window()->Shape();
  EXPECT_EQ(shape, (TRect{310, 420, 120, 30}));
  EXPECT_EQ(tip.Label()->GetText(), "Mod laden");
  EXPECT_EQ(tip.Label()->Style(), kLabelCentre);
  TGadget& frame = *tip.Window()->Children().front();
  TGadget& inner = *frame.Children().front();
  EXPECT_EQ(frame.Color(), (TRgb{132, 130, 132}));
  EXPECT_EQ(inner.Color(), (TRgb{214, 211, 206}));
  EXPECT_EQ(inner.Shape(), (TRect{1, 1, 118, 28})) << "a frame one pixel wide";
}

TEST_F(Tips, WithoutDelayItNeverShowsAndWithoutTimeoutItStaysUntilTheMouseLeaves) {
  TActionShowTip& never = Arm(0, 5);
  for (int tick = 1; tick <= 5; ++tick) Tick(tick);
  EXPECT_FALSE(never.Showing());

  TActionShowTip& staying = Arm(1, 0);
  Tick(1);
  Tick(2);
  ASSERT_TRUE(staying.Showing());
  for (int tick = 1; tick <= 10; ++tick) Tick(tick);
  SimulateMouseMove(*panel_, 80, 45);
  EXPECT_TRUE(staying.Showing()) << "neither ticks nor moves end it";
  SimulateMouseLeave(*panel_);
  EXPECT_FALSE(staying.Showing());
}

TEST_F(Tips, MovesPostponeItWhileWaitingAndCarryItWhileShown) {
  TActionShowTip& tip = Arm(1, 2);
  Tick(1);
  SimulateMouseMove(*panel_, 7, 7);  // rests again from tick 1
  Tick(2);
  EXPECT_FALSE(tip.Showing());
  Tick(3);
  ASSERT_TRUE(tip.Showing());

  driver().cursor = TPoint{330, 410};
  Tick(1);
  SimulateMouseMove(*panel_, 9, 9);
  EXPECT_EQ(tip.Window()->Shape(), (TRect{340, 430, 120, 30})) << "the window follows the cursor";
  Tick(2);
  Tick(3);
  EXPECT_TRUE(tip.Showing()) << "the move at tick 1 extended its life to tick 3";
  Tick(4);
  EXPECT_FALSE(tip.Showing());
}

TEST_F(Tips, AMoveOutsideTheRegionOrLeavingTheButtonEndsItAndTheNextArrivalArmsItAgain) {
  TActionShowTip& tip = Arm(1, 5);
  Tick(1);
  Tick(2);
  ASSERT_TRUE(tip.Showing());
  SimulateMouseMove(*panel_, 80, 10);  // on the button, outside the region
  EXPECT_FALSE(tip.Showing());

  SimulateMouseMove(*panel_, 5, 5);
  Tick(1);
  Tick(2);
  EXPECT_TRUE(tip.Showing()) << "armed again";
  SimulateMouseLeave(*panel_);
  EXPECT_FALSE(tip.Showing());
}

TEST_F(Tips, WhereTheCursorCannotBeToldTheTipKeepsWaiting) {
  driver().cursor.reset();
  TActionShowTip& tip = Arm(1, 5);
  Tick(1);
  Tick(2);
  Tick(3);
  EXPECT_FALSE(tip.Showing());
  driver().cursor = TPoint{1, 2};
  Tick(4);
  EXPECT_TRUE(tip.Showing());
}

TEST_F(Tips, ArmedTwiceOrFreedWhileShownLeavesNoWindowNoTimerAndNoGadget) {
  const int windows = TopLevelWindowCount();
  const size_t gadgets = gui_.Gadgets().size();
  TActionShowTip& tip = Arm(1, 5);
  tip.CreateTip();  // armed a second time while waiting
  Tick(1);
  Tick(2);
  ASSERT_TRUE(tip.Showing());
  EXPECT_EQ(TopLevelWindowCount(), windows + 1) << "one window, not two";

  const std::weak_ptr<TTimer> timer = tip.Timer();
  region_->Actions().RemoveFirst(tip_.get());
  tip_.reset();
  EXPECT_EQ(TopLevelWindowCount(), windows);
  EXPECT_EQ(gui_.Gadgets().size(), gadgets);
  EXPECT_TRUE(timer.expired());
}

TEST_F(Tips, ATipOnAButtonNeverShownLeavesNothingBehind) {
  window_.SetShow(false);
  const int windows = TopLevelWindowCount();
  Arm(1, 5);
  region_->Actions().RemoveFirst(tip_.get());
  const std::weak_ptr<TTimer> timer = tip_->Timer();
  tip_.reset();
  EXPECT_TRUE(timer.expired());
  EXPECT_EQ(TopLevelWindowCount(), windows);
}

}  // namespace
}  // namespace strohvik
