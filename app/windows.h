#pragma once
// Building the program's windows from their tables.

#include "app/gadget_spec.h"
#include "app/picture_buttons.h"
#include "smartbutton/smart_button.h"

namespace strohvik {

// The main window, hidden, with the first tab page shown.
void BuildMainWindow(TGui& gui);
// The about, information, wait, backup category, settings, delete and install windows;
// all hidden but the wait window.
void BuildDialogWindows(TGui& gui);
// Hides every page of the tab strip, then shows the page of the given tab.
void ShowTabPage(TGui& gui, int index);

}  // namespace strohvik
