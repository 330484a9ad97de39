#include "app/gui/event.h"

#include <cstdio>

namespace strohvik {

std::string EventName(int id) {
  struct Name {
    int id;
    const char* text;
  };
  static constexpr Name kNames[] = {
      {kEventKeyDown, "KeyDown"},           {kEventMouseDown, "MouseDown"},
      {kEventMouseUp, "MouseUp"},           {kEventMouseMove, "MouseMove"},
      {kEventMouseWheel, "MouseWheel"},     {kEventMouseEnter, "MouseEnter"},
      {kEventMouseLeave, "MouseLeave"},     {kEventTimerTick, "TimerTick"},
      {kEventGadgetAction, "GadgetAction"}, {kEventGadgetPaint, "GadgetPaint"},
      {kEventGadgetSelect, "GadgetSelect"}, {kEventGadgetMenu, "GadgetMenu"},
      {kEventGadgetOpen, "GadgetOpen"},     {kEventGadgetClose, "GadgetClose"},
      {kEventGadgetDone, "GadgetDone"},     {kEventWindowMove, "WindowMove"},
      {kEventWindowSize, "WindowSize"},     {kEventWindowClose, "WindowClose"},
      {kEventWindowActivate, "WindowActivate"}, {kEventMenuAction, "MenuAction"},
  };
  for (const Name& name : kNames) {
    if (name.id == id) return name.text;
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(id));
  return hex;
}

}  // namespace strohvik
