#pragma once
// A window of an offscreen toolkit with a scripted system driver, on which a test makes
// its buttons and watches what they hand to the application's queue.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "app/gui/gui.h"
#include "app/gui/input_simulation.h"
#include "smartbutton/creation_api.h"

namespace strohvik {

// The id and data of an event, which is what the application dispatches on.
struct Seen {
  int id = 0;
  int data = 0;
  bool operator==(const Seen&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << EventName(seen.id) << "(" << seen.data << ")";
  }
};

// A picture of one colour.
inline PixmapPtr Filled(int width, int height, uint32_t argb) {
  PixmapPtr pixmap = TPixmap::Create(width, height, kPixelFormatRGBA8888, 4);
  pixmap->ClearPixels(argb);
  return pixmap;
}

inline bool SamePixels(const TPixmap& a, const TPixmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.ReadPixel(x, y) != b.ReadPixel(x, y)) return false;
  return true;
}

// Counts the runs of an execute-function action.
inline std::function<int()> Counter(int& runs) {
  return [&runs] { return ++runs; };
}

class SmartButton : public ::testing::Test {
 protected:
  static constexpr uint32_t kGrey100 = 0xFF646464;

  // A 100 x 50 button of a plain mid grey, so that every filter visibly changes it.
  ButtonPtr MakeButton(PixmapPtr pixmap = Filled(100, 50, kGrey100)) {
    ButtonPtr button = CreateSmartButton(10, 20, std::move(pixmap), window_, 0);
    panel_ = &button->Panel();
    Drain();
    return button;
  }

  std::vector<TEvent> Drain() {
    std::vector<TEvent> events;
    while (std::optional<TEvent> event = gui_.Queue().Pop()) events.push_back(*event);
    return events;
  }

  // Everything queued since the last look that came from the panel, mouse events too.
  std::vector<Seen> FromPanel() {
    std::vector<Seen> seen;
    for (const TEvent& event : Drain())
      if (event.source == panel_) seen.push_back({event.id, event.data});
    return seen;
  }

  // Only the button's own events: what a press, a move or a tick made it say.
  std::vector<Seen> Said() {
    std::vector<Seen> seen;
    for (const Seen& event : FromPanel())
      if (event.id >= kEventGadgetAction && event.id <= kEventGadgetDone) seen.push_back(event);
    return seen;
  }

  void Click(int x, int y, int mouseButton = kMouseLeft) {
    SimulateMouseButton(*panel_, true, mouseButton, x, y);
    SimulateMouseButton(*panel_, false, mouseButton, x, y);
  }

  uint32_t ShownPixel(int x = 0, int y = 0) const { return panel_->Pixmap()->ReadPixel(x, y); }

  TGui gui_{std::make_shared<TScriptedSystemDriver>()};
  TGadget& window_ = gui_.CreateGadget(GadgetKind::Window, "W", "W", {0, 0, 300, 200}, nullptr, kWindowTitleBar);
  TGadget* panel_ = nullptr;
};

}  // namespace strohvik
