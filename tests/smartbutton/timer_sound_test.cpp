// The button's timer (its tick countdown and the start and stop actions) and the sound
// action.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "button_fixture.h"
#include "smartbutton/sound_action.h"

namespace strohvik {
namespace {

using Clock = std::chrono::steady_clock;

class SmartButtonTimer : public SmartButton {
 protected:
  void SetUp() override { Fresh(); }
  // A new button with one region over its whole picture.
  void Fresh() {
    button_ = MakeButton();
    region_ = AddSmartRectangle(0, 0, 99, 49, *button_);
  }
  // What the button's own timer emits on every tick.
  void Tick() {
    TEvent tick{.id = kEventTimerTick, .source = panel_};
    gui_.Emit(tick);
  }
  void Press(int mouseButton = kMouseLeft) {
    SimulateMouseEnter(*panel_, 10, 10);
    SimulateMouseButton(*panel_, true, mouseButton, 10, 10);
    Drain();
  }
  // Lets the toolkit deliver for a while; true as soon as the button paints.
  bool PaintsWithin(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
      gui_.ProcessPendingEvents();
      for (const Seen& seen : Said())
        if (seen == Seen{kEventGadgetPaint, 1}) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  ButtonPtr button_;
  RegionPtr region_;
};

TEST_F(SmartButtonTimer, EveryTickPaintsAndAnIntervalActionRunsOnEveryNthTick) {
  int tick = 0, everyTick = 0;
  std::vector<int> ranOn;
  const auto record = [&] {
    ranOn.push_back(tick);
    return 0;
  };
  AddActionExecuteFunction(TriggerTick + 3 * 65536, 0, record, *button_->TimerRegion());
  // Interval 0 counts below zero and never comes round.
  AddActionExecuteFunction(TriggerTick, 0, Counter(everyTick), *button_->TimerRegion());
  for (tick = 1; tick <= 9; ++tick) {
    Tick();
    EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetPaint, 1}})) << "tick " << tick;
  }
  EXPECT_EQ(ranOn, (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(everyTick, 0);
}

TEST_F(SmartButtonTimer, ATickPaintsWithoutTimerActionsButOnlyWhenItIsTheButtons) {
  TEvent foreign{.id = kEventTimerTick, .source = &window_};
  gui_.Emit(foreign);
  EXPECT_EQ(Said(), std::vector<Seen>{});
  Tick();
  EXPECT_EQ(Said(), (std::vector<Seen>{{kEventGadgetPaint, 1}}));
}

TEST_F(SmartButtonTimer, NoTimerIsStartedWithoutAPositiveRateAndStopWithoutOneDoesNothing) {
  const std::vector<std::pair<std::string, std::function<void(TSmartRegion&)>>> cases = {
      {"0 Hz", [](TSmartRegion& r) { AddActionStartTimer(TriggerLeftDown, 0, 0.0, r); }},
      {"-5 Hz", [](TSmartRegion& r) { AddActionStartTimer(TriggerLeftDown, 0, -5.0, r); }},
      {"NaN Hz", [](TSmartRegion& r) { AddActionStartTimer(TriggerLeftDown, 0, std::nan(""), r); }},
      {"stop", [](TSmartRegion& r) { AddActionStopTimer(TriggerLeftDown, 0, r); }},
  };
  for (const auto& [what, add] : cases) {
    Fresh();
    add(*region_);
    Press();
    EXPECT_EQ(button_->Timer(), nullptr) << what;
    EXPECT_FALSE(PaintsWithin(std::chrono::milliseconds(20))) << what;
  }
}

TEST_F(SmartButtonTimer, AStartedTimerTicksUntilStoppedAndABadRateReplacesItWithNone) {
  AddActionStartTimer(TriggerLeftDown, 0, 200.0, *region_);
  AddActionStopTimer(TriggerRightDown, 0, *region_);
  Press();
  ASSERT_NE(button_->Timer(), nullptr);
  EXPECT_TRUE(PaintsWithin(std::chrono::seconds(2)));

  Press(kMouseRight);
  ASSERT_NE(button_->Timer(), nullptr) << "a stopped timer is kept";
  const int ticks = button_->Timer()->Ticks();
  EXPECT_FALSE(PaintsWithin(std::chrono::milliseconds(50)));
  EXPECT_EQ(button_->Timer()->Ticks(), ticks);

  AddActionStartTimer(TriggerLeftDown, 0, 0.0, *region_);  // runs after the 200 Hz start
  Press();
  EXPECT_EQ(button_->Timer(), nullptr);
  EXPECT_FALSE(PaintsWithin(std::chrono::milliseconds(50)));
}

// One second of 8-bit mono silence: long enough to be still playing when looked at.
std::shared_ptr<TSound> Silence() {
  std::string wav = "RIFF";
  auto put = [&wav](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
  };
  const uint32_t samples = 8000;
  put(36 + samples, 4);
  wav += "WAVEfmt ";
  put(16, 4);    // format chunk size
  put(1, 2);     // PCM
  put(1, 2);     // mono
  put(8000, 4);  // samples a second
  put(8000, 4);  // bytes a second
  put(1, 2);     // bytes a sample
  put(8, 2);     // bits a sample
  wav += "data";
  put(samples, 4);
  wav.append(samples, static_cast<char>(128));
  return TSound::FromWav(wav);
}

class SmartButtonSound : public SmartButtonTimer {
 protected:
  void SetUp() override {
    // OpenAL Soft's null output plays in real time without a sound card; it must be
    // chosen before the device is first opened.
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (!AudioAvailable()) GTEST_SKIP() << "no audio device, not even the null output";
    SmartButtonTimer::SetUp();
    sound_ = Silence();
    ASSERT_NE(sound_, nullptr);
    action_ = std::dynamic_pointer_cast<TActionSound>(
        AddActionSound(TriggerLeftDown, 0, sound_, 1.0, 0.0, 0.0, 1.0, *region_));
    ASSERT_NE(action_, nullptr);
  }
  std::shared_ptr<TSound> sound_;
  std::shared_ptr<TActionSound> action_;
};

TEST_F(SmartButtonSound, EveryPressPlaysTheSoundAfreshAndStopsTheLastPlayback) {
  const std::shared_ptr<TChannel> cued = action_->Channel();
  ASSERT_NE(cued, nullptr);
  EXPECT_FALSE(cued->Playing());
  Press();
  const std::shared_ptr<TChannel> first = action_->Channel();
  EXPECT_NE(first, cued);
  EXPECT_TRUE(first->Playing());
  Press();
  EXPECT_NE(action_->Channel(), first);
  EXPECT_TRUE(action_->Channel()->Playing());
  EXPECT_FALSE(first->Playing());
}

TEST_F(SmartButtonSound, AThousandClicksLeaveOnlyAHandfulOfChannels) {
  const int before = LiveChannelCount();
  SimulateMouseEnter(*panel_, 10, 10);
  for (int i = 0; i < 1000; ++i) {
    Click(10, 10);
    Drain();
  }
  EXPECT_LE(LiveChannelCount() - before, 4);
  EXPECT_TRUE(action_->Channel()->Playing());
}

}  // namespace
}  // namespace strohvik
