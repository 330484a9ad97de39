#include "app/gui/timer.h"

#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/gui/gui.h"

namespace strohvik {

struct TTimer::Native {
  QTimer timer;
};

TTimer::TTimer(TGui& gui, const TEvent& event) : gui_(gui), event_(event), native_(std::make_unique<Native>()) {
  if (event_.source == nullptr) event_.source = this;
}

TTimer::~TTimer() = default;

std::shared_ptr<TTimer> TTimer::Create(TGui& gui, double hertz, const TEvent& event) {
  if (!(hertz > 0) || !std::isfinite(hertz)) return nullptr;
  std::shared_ptr<TTimer> timer(new TTimer(gui, event));
  const double milliseconds = std::clamp(1000.0 / hertz, 1.0, double{std::numeric_limits<int>::max()});
  timer->native_->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer->native_->timer, &QTimer::timeout, [raw = timer.get()] { raw->Tick(); });
  timer->native_->timer.start(static_cast<int>(std::lround(milliseconds)));
  return timer;
}

void TTimer::Stop() { native_->timer.stop(); }

bool TTimer::Running() const { return native_->timer.isActive(); }

void TTimer::Tick() {
  ++ticks_;
  TEvent tick = event_;
  tick.data = ticks_;
  gui_.Emit(tick);
}

}  // namespace strohvik
