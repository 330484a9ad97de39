#pragma once
// How the application builds its picture buttons: a flat list of calls with plain
// arguments. Each region function appends a hit region to the button and numbers it
// from 1; each action function makes the action and appends it to the end of the
// region's list, returning it (none, attaching nothing, where the action needs a
// picture or a sound and gets none). The enter, leave, timer and creation actions are
// made by appending to the button's built-in regions.

#include <functional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "smartbutton/smart_action.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

ButtonPtr CreateSmartButton(int x, int y, PixmapPtr pixmap, TGadget& parent, int style,
                            const std::string& panelName = "");

RegionPtr AddSmartRectangle(int x, int y, int w, int h, TSmartButton& button);
RegionPtr AddSmartCircle(int x, int y, int r, TSmartButton& button);
RegionPtr AddSmartOval(int x, int y, int w, int h, TSmartButton& button);
RegionPtr AddSmartPoly(std::vector<int> ppx, std::vector<int> ppy, TSmartButton& button);
RegionPtr AddSmartLine(std::vector<int> ppx, std::vector<int> ppy, int r, TSmartButton& button);

// Runs the region's actions for the trigger, without an event and without the tick
// countdown. Nothing when button or region is missing. Returns 0.
int RunSmartActions(int trigger, TSmartButton* button, TSmartRegion* region);

ActionPtr AddActionDefault(uint32_t trigger, int once, TSmartRegion& region);
ActionPtr AddActionShowGrey(uint32_t trigger, int once, TSmartRegion& region);
ActionPtr AddActionSetPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, TSmartRegion& region);
ActionPtr AddActionTogglePicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, TSmartRegion& region);
ActionPtr AddActionSetNextPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                  TSmartRegion& region);
ActionPtr AddActionSetRandomPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                    TSmartRegion& region);
ActionPtr AddActionAnimation(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height, int speed,
                             TSmartRegion& region);
ActionPtr AddActionSound(uint32_t trigger, int once, std::shared_ptr<TSound> sound, double volume, double depth,
                         double pan, double rate, TSmartRegion& region);
ActionPtr AddActionShowTip(uint32_t trigger, int once, const std::string& tip, int delay, int timeout, int xOffset,
                           int yOffset, int width, int height, TSmartRegion& region);
ActionPtr AddActionStartTimer(uint32_t trigger, int once, double hertz, TSmartRegion& region);
ActionPtr AddActionStopTimer(uint32_t trigger, int once, TSmartRegion& region);
ActionPtr AddActionExecuteFunction(uint32_t trigger, int once, std::function<int()> function, TSmartRegion& region);
ActionPtr AddActionBlur(uint32_t trigger, int once, double blur, TSmartRegion& region);
ActionPtr AddActionInvert(uint32_t trigger, int once, TSmartRegion& region);
ActionPtr AddActionHighLight(uint32_t trigger, int once, int light, TSmartRegion& region);
ActionPtr AddActionColor(uint32_t trigger, int once, int red, int green, int blue, TSmartRegion& region);
ActionPtr AddActionSetSpinnerPicture(uint32_t trigger, int once, PixmapPtr pixmap, int flags, int height,
                                     TSmartRegion& region);
ActionPtr AddActionSpinnerForward(uint32_t trigger, int once, int loop, TSmartRegion& region);
ActionPtr AddActionSpinnerBackward(uint32_t trigger, int once, int loop, TSmartRegion& region);

// The one maker that attaches nothing: the caller appends the result where it belongs.
ActionPtr CreateActionAddAction(uint32_t trigger, int once, ActionPtr action, RegionPtr region);

}  // namespace strohvik
