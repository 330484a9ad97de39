// Frame strips on a button: the next frame, a random frame, the spinner on the wheel
// and the timed animation, each frame told apart by its colour.
#include <gtest/gtest.h>

#include <set>

#include "smartbutton/animation_action.h"
#include "smartbutton/strip_actions.h"
#include "tests/smartbutton/button_fixture.h"

namespace strohvik {
namespace {

constexpr uint32_t kOwn = 0xFF000000;
constexpr int kFrameHeight = 10;

// Frame k (from 1) is filled with colour k; a partial frame below them with 99.
PixmapPtr Strip(int frames, int partialRows = 0) {
  PixmapPtr strip = TPixmap::Create(100, frames * kFrameHeight + partialRows);
  for (int y = 0; y < strip->Height(); ++y)
    for (int x = 0; x < strip->Width(); ++x)
      strip->WritePixel(x, y, 0xFF000000u | static_cast<uint32_t>(y < frames * kFrameHeight ? y / kFrameHeight + 1 : 99));
  return strip;
}

class Strips : public SmartButton {
 protected:
  void SetUp() override {
    button_ = MakeButton(Filled(100, kFrameHeight, kOwn));
    region_ = AddSmartRectangle(0, 0, 99, 9, *button_);
    SimulateMouseEnter(*panel_, 5, 5);
  }
  // The frame shown: its colour, 0 for the own picture.
  int Shown() const { return static_cast<int>(ShownPixel() & 0xFFFFFF); }
  int PressAndLook() {
    Click(5, 5);
    return Shown();
  }
  int WheelAndLook(int steps) {
    SimulateMouseWheel(*panel_, steps, 5, 5);
    return Shown();
  }
  ButtonPtr button_;
  RegionPtr region_;
};

TEST_F(Strips, TheNextPictureStepsThroughTheWholeFramesThenTheOwnPicture) {
  for (const int partialRows : {0, 5}) {
    auto next = AddActionSetNextPicture(TriggerLeftDown, 0, Strip(4, partialRows), 0, kFrameHeight, *region_);
    std::vector<int> shown;
    for (int press = 0; press < 6; ++press) shown.push_back(PressAndLook());
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 0, 1})) << "partial rows: " << partialRows;
    region_->Actions().RemoveFirst(next.get());
  }
}

TEST_F(Strips, TheRandomPictureDrawsEveryWholeFrameAndNeverThePartialOne) {
  AddActionSetRandomPicture(TriggerLeftDown, 0, Strip(3, 5), 0, kFrameHeight, *region_);
  std::set<int> drawn;
  for (int press = 0; press < 200; ++press) drawn.insert(PressAndLook());
  EXPECT_EQ(drawn, (std::set<int>{1, 2, 3}));
}

TEST_F(Strips, AHeightThatLeavesNoWholeFrameShowsNothingAndChangesNothing) {
  for (const int height : {0, -3, 41}) {
    auto next = AddActionSetNextPicture(TriggerLeftDown, 0, Strip(4), 0, height, *region_);
    auto random = AddActionSetRandomPicture(TriggerLeftDown, 0, Strip(4), 0, height, *region_);
    AddActionSetSpinnerPicture(TriggerLeftDown, 0, Strip(4), 0, height, *region_);
    AddActionSpinnerForward(TriggerLeftDown, 0, 1, *region_);
    EXPECT_EQ(PressAndLook(), 0) << "height " << height;
    EXPECT_EQ(std::static_pointer_cast<TActionSetNextPicture>(next)->Part(), 0);
    EXPECT_EQ(std::static_pointer_cast<TActionSetRandomPicture>(random)->Part(), 0);
    EXPECT_FALSE(button_->SpinnerPixmap()) << "no strip without a frame becomes the spinner";
    EXPECT_EQ(region_->Actions().Size(), 4);
    while (!region_->Actions().Empty()) region_->Actions().RemoveFirst(region_->Actions().Items().front().get());
  }
}

TEST_F(Strips, TheSpinnerFollowsTheWheelAndStopsOrWrapsAtItsEnds) {
  const struct {
    int loop;
    std::vector<int> steps;
    std::vector<int> frames;
  } cases[] = {
      {0, {+1, +1, +1, -1, -1, -1, -1}, {2, 3, 3, 2, 1, 1, 1}},
      {1, {+1, +1, +1, -1, -1}, {2, 3, 1, 3, 2}},
  };
  for (const auto& c : cases) {
    button_->SetSpinnerIndex(0);
    RegionPtr& region = region_;
    AddActionSetSpinnerPicture(TriggerLeftDown, 0, Strip(3), 0, kFrameHeight, *region);
    AddActionSpinnerForward(TriggerWheelPositive, 0, c.loop, *region);
    AddActionSpinnerBackward(TriggerWheelNegative, 0, c.loop, *region);
    EXPECT_EQ(PressAndLook(), 1);
    std::vector<int> frames;
    for (int step : c.steps) frames.push_back(WheelAndLook(step));
    EXPECT_EQ(frames, c.frames) << "loop " << c.loop;
    while (!region->Actions().Empty()) region->Actions().RemoveFirst(region->Actions().Items().front().get());
  }
}

TEST_F(Strips, SpinnerStepsBeforeAnyStripDoNothingAndANewStripClampsTheIndex) {
  AddActionSpinnerForward(TriggerWheelPositive, 0, 1, *region_);
  EXPECT_EQ(WheelAndLook(1), 0);
  EXPECT_EQ(button_->SpinnerIndex(), 0);

  button_->SetSpinnerIndex(5);
  AddActionSetSpinnerPicture(TriggerLeftDown, 0, Strip(2), 0, kFrameHeight, *region_);
  EXPECT_EQ(PressAndLook(), 2) << "the last frame";
  EXPECT_EQ(button_->SpinnerIndex(), 1);
}

// The animation's ticks, delivered through the hook chain as its timer delivers them.
void Tick(TGui& gui, TActionAnimation& animation, int count) {
  TEvent tick{.id = kEventTimerTick, .source = &animation, .data = count};
  gui.Emit(tick);
}

TEST_F(Strips, AnAnimationShowsFrameKAtTickKAndTheOwnPictureAfterTheLast) {
  auto animation = std::static_pointer_cast<TActionAnimation>(
      AddActionAnimation(TriggerLeftDown, 0, Strip(5), 0, kFrameHeight, 10, *region_));
  EXPECT_EQ(PressAndLook(), 0) << "the first frame comes with the first tick";
  ASSERT_TRUE(animation->Timer());
  EXPECT_TRUE(animation->Timer()->Running());
  Drain();
  std::vector<int> shown;
  for (int tick = 1; tick <= 6; ++tick) {
    Tick(gui_, *animation, tick);
    shown.push_back(Shown());
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 0}));
  EXPECT_FALSE(animation->Timer()->Running());
  EXPECT_TRUE(Said().empty()) << "buttons ignore the animation's ticks";
}

TEST_F(Strips, AnAnimationWithoutARateMakesNoTimer) {
  for (const int speed : {0, -5}) {
    auto animation = std::static_pointer_cast<TActionAnimation>(
        AddActionAnimation(TriggerLeftDown, 0, Strip(5), 0, kFrameHeight, speed, *region_));
    PressAndLook();
    EXPECT_FALSE(animation->Timer()) << "speed " << speed;
    region_->Actions().RemoveFirst(animation.get());
  }
}

}  // namespace
}  // namespace strohvik
