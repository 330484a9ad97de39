#pragma once
// Delivers input to gadgets the way the desktop delivers a user's input, through the
// same toolkit paths, so that tests and the screenshot tour drive the real program.

#include <string>

#include "app/gui/gadget.h"

namespace strohvik {

void SimulateMouseEnter(TGadget& gadget, int x, int y);
void SimulateMouseLeave(TGadget& gadget);
void SimulateMouseMove(TGadget& gadget, int x, int y);
// button: kMouseLeft, kMouseRight or kMouseMiddle.
void SimulateMouseButton(TGadget& gadget, bool down, int button, int x, int y);
// The wheel turned by steps notches (120 units each; positive away from the user).
void SimulateMouseWheel(TGadget& gadget, int steps, int x, int y);
// A person's click in two halves, so that the program can handle the press before
// the release: the pointer comes in at (x, y) and the button goes down; then the
// button comes up there and the pointer moves away.
void SimulatePointerPress(TGadget& gadget, int button, int x, int y);
void SimulatePointerRelease(TGadget& gadget, int button, int x, int y);
// The close box of a window.
void SimulateCloseRequest(TGadget& window);
// A right click as the desktop reports it to a gadget with a context menu.
void SimulateContextClick(TGadget& gadget, int x, int y);
// A key or key chord such as "A" or "Ctrl+B" typed while the window is active: it goes
// to the window's focus widget.
void SimulateKeyChord(TGadget& window, const std::string& chord);
// A click on a menu item.
void SimulateMenuChoice(TGadget& item);
// A click on the link of a hyperlink label.
void SimulateLinkClick(TGadget& hyperLink);
// The text of a menu, menu item or push button as the toolkit draws it, without
// the marks of keyboard shortcuts.
std::string DrawnText(TGadget& gadget);
// The toolkit's top-level windows, shown or not.
int TopLevelWindowCount();
// What the gadget looks like on screen at the moment.
PixmapPtr Photograph(TGadget& gadget);
// A click on a tab of a tab strip.
void SimulateTabClick(TGadget& strip, int index);

}  // namespace strohvik
