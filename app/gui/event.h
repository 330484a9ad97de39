#pragma once
// A GUI event as the application and the libraries see it.

#include <memory>
#include <string>

#include "app/gui/object.h"

namespace strohvik {

enum EventId : int {
  kEventKeyDown = 0x201,
  kEventMouseDown = 0x401,
  kEventMouseUp = 0x402,
  kEventMouseMove = 0x403,
  kEventMouseWheel = 0x404,
  kEventMouseEnter = 0x405,
  kEventMouseLeave = 0x406,
  kEventTimerTick = 0x801,
  kEventGadgetAction = 0x2001,
  kEventGadgetPaint = 0x2002,
  kEventGadgetSelect = 0x2003,
  kEventGadgetMenu = 0x2004,
  kEventGadgetOpen = 0x2005,
  kEventGadgetClose = 0x2006,
  kEventGadgetDone = 0x2007,
  kEventWindowMove = 0x4001,
  kEventWindowSize = 0x4002,
  kEventWindowClose = 0x4003,
  kEventWindowActivate = 0x4004,
  kEventMenuAction = 0x8001,
};

// Mouse buttons as carried in the data of MouseDown and MouseUp.
enum MouseButton : int { kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 3 };

struct TEvent {
  int id = 0;
  // Not owned: gadgets live for the whole run, timers as long as their owner.
  TObject* source = nullptr;
  int data = 0;
  int mods = 0;
  int x = 0;
  int y = 0;
  std::shared_ptr<TObject> extra = nullptr;
};

// "MouseDown" for 0x401 and so on; the hex number for ids without a name.
std::string EventName(int id);

}  // namespace strohvik
