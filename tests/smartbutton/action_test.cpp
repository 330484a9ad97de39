// The trigger protocol and the general actions, run by real presses on a button.
#include <gtest/gtest.h>

#include <vector>

#include "button_fixture.h"
#include "smartbutton/general_actions.h"

namespace strohvik {
namespace {

// One region over the whole picture, the mouse already in it.
class SmartButtonWithOneRegion : public SmartButton {
 protected:
  void SetUp() override {
    button_ = MakeButton();
    region_ = AddSmartRectangle(0, 0, 99, 49, *button_);
  }
  void Arrive() {
    SimulateMouseEnter(*panel_, 10, 10);
    Drain();
  }
  void Press() { SimulateMouseButton(*panel_, true, kMouseLeft, 10, 10); }
  void Release() { SimulateMouseButton(*panel_, false, kMouseLeft, 10, 10); }
  int Size() const { return region_->Actions().Size(); }

  ButtonPtr button_;
  RegionPtr region_;
};

TEST_F(SmartButtonWithOneRegion, AnActionRunsForEachTriggerBitItHoldsAndNoOther) {
  struct Case {
    uint32_t trigger;
    std::vector<int> runsAfterArrivalPressRelease;
  };
  const std::vector<Case> cases = {
      {TriggerLeftDown, {0, 1, 1}},
      {TriggerLeftUp, {0, 0, 1}},
      {TriggerLeftDown | TriggerLeftUp, {0, 1, 2}},
      {TriggerMove, {1, 1, 1}},
      {TriggerRightDown | TriggerTick, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    int runs = 0;
    const ActionPtr action = AddActionExecuteFunction(c.trigger, 0, Counter(runs), *region_);
    std::vector<int> seen;
    SimulateMouseEnter(*panel_, 10, 10);
    seen.push_back(runs);
    Press();
    seen.push_back(runs);
    Release();
    seen.push_back(runs);
    EXPECT_EQ(seen, c.runsAfterArrivalPressRelease) << "trigger " << c.trigger;
    SimulateMouseLeave(*panel_);
    region_->Actions().RemoveFirst(action.get());
    Drain();
  }
}

TEST_F(SmartButtonWithOneRegion, AOnceActionRunsOnceWhileTheRestOfItsListGoesOn) {
  int once = 0, always = 0;
  AddActionExecuteFunction(TriggerLeftDown, 1, Counter(once), *region_);
  AddActionExecuteFunction(TriggerLeftDown, 0, Counter(always), *region_);
  Arrive();
  Press();
  EXPECT_EQ(once, 1);
  EXPECT_EQ(always, 1);
  EXPECT_EQ(Size(), 1);
  Press();
  EXPECT_EQ(once, 1);
  EXPECT_EQ(always, 2);
}

TEST_F(SmartButtonWithOneRegion, AnActionAppendedToTheRegionBeingRunRunsInTheSameDispatch) {
  int runs = 0;
  const ActionPtr counter = TActionExecuteFunction::Create(TriggerLeftDown, 0, Counter(runs));
  const ActionPtr adder = CreateActionAddAction(TriggerLeftDown, 0, counter, region_);
  EXPECT_EQ(Size(), 0) << "made, not attached";
  EXPECT_EQ(button_->EnterRegion()->Actions().Size(), 0);
  region_->Actions().Append(adder);
  Arrive();
  Press();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(Size(), 2);
  Press();  // appends once more: the earlier copy and the new one both run
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(Size(), 3);
}

TEST_F(SmartButtonWithOneRegion, RunSmartActionsRunsTheMatchingActionsOnlyAndSaysNothing) {
  int runs = 0;
  AddActionExecuteFunction(TriggerLeftDown, 0, Counter(runs), *button_->OnCreationRegion());
  EXPECT_EQ(RunSmartActions(TriggerMove, button_.get(), button_->OnCreationRegion().get()), 0);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(RunSmartActions(TriggerLeftDown, button_.get(), button_->OnCreationRegion().get()), 0);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(RunSmartActions(TriggerLeftDown, nullptr, button_->OnCreationRegion().get()), 0);
  EXPECT_EQ(RunSmartActions(TriggerLeftDown, button_.get(), nullptr), 0);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(FromPanel(), std::vector<Seen>{});
}

TEST_F(SmartButtonWithOneRegion, ActionsThatNeedAPictureOrASoundRefuseToBeMadeWithout) {
  const ActionPtr picture = AddActionSetPicture(TriggerLeftDown, 0, nullptr, 0, *region_);
  const ActionPtr toggle = AddActionTogglePicture(TriggerLeftDown, 0, nullptr, 0, *region_);
  const ActionPtr sound = AddActionSound(TriggerLeftDown, 0, nullptr, 1.0, 0.0, 0.0, 1.0, *region_);
  EXPECT_EQ(picture, nullptr);
  EXPECT_EQ(toggle, nullptr);
  EXPECT_EQ(sound, nullptr);
  EXPECT_EQ(Size(), 0);
}

TEST_F(SmartButtonWithOneRegion, AToggleAlternatesItsPictureWithTheOwnOne) {
  const PixmapPtr other = Filled(100, 50, 0xFF0000FF);
  ASSERT_NE(AddActionTogglePicture(TriggerLeftDown, 0, other, 0, *region_), nullptr);
  Arrive();
  for (const PixmapPtr& expected : {other, button_->PixMap(), other}) {
    Press();
    EXPECT_EQ(panel_->Pixmap(), expected);
    EXPECT_EQ(button_->CurrentPixmap(), expected);
  }
  EXPECT_EQ(button_->PixMap()->ReadPixel(0, 0), kGrey100) << "the own picture stays";
}

TEST_F(SmartButtonWithOneRegion, TheDefaultActionRestoresTheOwnPictureAndTheArrow) {
  const PixmapPtr other = Filled(100, 50, 0xFF0000FF);
  AddActionSetPicture(TriggerLeftDown, 0, other, 0, *region_);
  AddActionDefault(TriggerLeftUp, 0, *region_);
  Arrive();
  ASSERT_EQ(gui_.Pointer(), kPointerHand);
  Press();
  EXPECT_EQ(panel_->Pixmap(), other);
  Release();
  EXPECT_EQ(panel_->Pixmap(), button_->PixMap());
  EXPECT_EQ(button_->CurrentPixmap(), button_->PixMap());
  EXPECT_EQ(gui_.Pointer(), kPointerDefault);
}

// The application's own buttons: a tint on entering, a highlight while pressed, back
// to the tint on release, the plain picture on leaving. Filters work on what is shown.
TEST_F(SmartButtonWithOneRegion, FiltersAccumulateOnTheShownPictureUntilADefault) {
  AddActionColor(TriggerMove, 0, 8, 2, 8, *button_->EnterRegion());
  AddActionDefault(TriggerMove, 0, *button_->LeaveRegion());
  AddActionHighLight(TriggerLeftDown, 0, 2, *region_);
  AddActionDefault(TriggerLeftUp, 0, *region_);
  AddActionColor(TriggerLeftUp, 0, 8, 2, 8, *region_);
  SimulateMouseEnter(*panel_, 10, 10);
  EXPECT_EQ(ShownPixel(), 0xFF648A64u);
  Press();
  EXPECT_EQ(ShownPixel(), 0xFF7DAC7Du) << "the tinted picture highlighted";
  Press();
  EXPECT_EQ(ShownPixel(), 0xFF9CD79Cu) << "highlighted twice";
  Release();
  EXPECT_EQ(ShownPixel(), 0xFF648A64u);
  SimulateMouseLeave(*panel_);
  EXPECT_EQ(panel_->Pixmap(), button_->PixMap());
}

}  // namespace
}  // namespace strohvik
