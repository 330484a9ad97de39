// A small window as a player would meet it: a button whose picture is a spinner on
// the mouse wheel and which explains itself with a tip, driven by real wheel and move
// events delivered to its panel.
#include <gtest/gtest.h>

#include "smartbutton/tip_action.h"
#include "tests/smartbutton/button_fixture.h"

namespace strohvik {
namespace {

class DemoWindow : public SmartButton {};

TEST_F(DemoWindow, TheWheelTurnsTheSpinnerAndARestShowsTheTip) {
  window_.SetShow(true);
  PixmapPtr strip = TPixmap::Create(100, 150);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 100; ++x) strip->WritePixel(x, y, 0xFF000000u | static_cast<uint32_t>(y / 50 + 1));
  ButtonPtr button = MakeButton();
  AddActionSetSpinnerPicture(TriggerMove, 0, strip, 0, 50, *button->OnCreationRegion());
  RunSmartActions(TriggerMove, button.get(), button->OnCreationRegion().get());
  RegionPtr face = AddSmartRectangle(0, 0, 99, 49, *button);
  AddActionSpinnerForward(TriggerWheelPositive, 0, 0, *face);
  AddActionSpinnerBackward(TriggerWheelNegative, 0, 0, *face);
  auto tip = std::static_pointer_cast<TActionShowTip>(
      AddActionShowTip(TriggerMove, 0, "Drehen zum Wählen", 1, 3, 8, 16, 140, 24, *face));
  EXPECT_EQ(ShownPixel() & 0xFF, 1u);

  SimulateMouseEnter(*panel_, 20, 20);
  SimulateMouseWheel(*panel_, 1, 20, 20);
  SimulateMouseWheel(*panel_, 1, 20, 20);
  SimulateMouseWheel(*panel_, 1, 20, 20);
  EXPECT_EQ(ShownPixel() & 0xFF, 3u) << "the last frame, and no further";
  SimulateMouseWheel(*panel_, -1, 20, 20);
  EXPECT_EQ(ShownPixel() & 0xFF, 2u);

  for (int count = 1; count <= 2; ++count) {
    TEvent tick{.id = kEventTimerTick, .source = tip.get(), .data = count};
    gui_.Emit(tick);
  }
  ASSERT_TRUE(tip->Showing());
  SimulateMouseLeave(*panel_);
  EXPECT_FALSE(tip->Showing());
  EXPECT_EQ(ShownPixel() & 0xFF, 2u) << "leaving keeps the spinner where it is";
}

}  // namespace
}  // namespace strohvik
