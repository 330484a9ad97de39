// A button on a disabled panel looks grey and answers no input.
#include <gtest/gtest.h>

#include <vector>

#include "button_fixture.h"
#include "smartbutton/picture_filters.h"

namespace strohvik {
namespace {

// A button with the application's hover and press feedback, on a picture of several
// colours so that grey is told apart from the tinted or plain picture.
class SmartButtonDisabled : public SmartButton {
 protected:
  void SetUp() override {
    PixmapPtr picture = Filled(100, 50, 0xFFC86401);
    for (int x = 0; x < 100; ++x) picture->WritePixel(x, 10, 0xFF1020F0);
    button_ = MakeButton(picture);
    region_ = AddSmartRectangle(0, 0, 99, 49, *button_);
    AddActionColor(TriggerMove, 0, 8, 2, 8, *button_->EnterRegion());
    AddActionDefault(TriggerMove, 0, *button_->LeaveRegion());
    AddActionHighLight(TriggerLeftDown, 0, 2, *region_);
  }
  bool ShowsGrey() const { return SamePixels(*panel_->Pixmap(), *Grey(*button_->PixMap())); }

  ButtonPtr button_;
  RegionPtr region_;
};

TEST_F(SmartButtonDisabled, ShowsItsOwnPictureGreyAndIgnoresTheMouseUntilEnabledAgain) {
  panel_->SetEnabled(false);
  EXPECT_TRUE(ShowsGrey());
  const PixmapPtr grey = panel_->Pixmap();
  SimulateMouseEnter(*panel_, 10, 10);
  SimulateMouseMove(*panel_, 20, 20);
  Click(20, 20);
  EXPECT_EQ(Said(), std::vector<Seen>{});
  EXPECT_EQ(panel_->Pixmap(), grey);
  EXPECT_EQ(gui_.Pointer(), kPointerDefault);

  panel_->SetEnabled(true);
  EXPECT_EQ(panel_->Pixmap(), button_->PixMap());
  SimulateMouseMove(*panel_, 30, 30);
  SimulateMouseButton(*panel_, true, kMouseLeft, 30, 30);
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetSelect, 1}, {kEventGadgetAction, 1}}));
}

TEST_F(SmartButtonDisabled, DisablingUnderTheMouseDropsTheTintTheHandAndTheRegion) {
  SimulateMouseEnter(*panel_, 10, 10);
  ASSERT_EQ(ShownPixel(), Tint(*button_->PixMap(), 8, 2, 8)->ReadPixel(0, 0));
  ASSERT_EQ(gui_.Pointer(), kPointerHand);
  Drain();

  panel_->SetEnabled(false);
  EXPECT_TRUE(ShowsGrey());
  EXPECT_EQ(gui_.Pointer(), kPointerDefault);
  EXPECT_EQ(button_->LastRegion(), nullptr);

  // Enabled again without a move: the press belongs to no region until the mouse moves.
  panel_->SetEnabled(true);
  SimulateMouseButton(*panel_, true, kMouseLeft, 10, 10);
  EXPECT_EQ(Said(), std::vector<Seen>{});
  EXPECT_EQ(panel_->Pixmap(), button_->PixMap());
}

TEST_F(SmartButtonDisabled, AButtonInADisabledWindowIgnoresTheMouse) {
  window_.SetEnabled(false);
  SimulateMouseEnter(*panel_, 10, 10);
  Click(10, 10);
  EXPECT_EQ(Said(), std::vector<Seen>{});
}

}  // namespace
}  // namespace strohvik
