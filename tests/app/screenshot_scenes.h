#pragma once
// The screenshot tour's steps: each photographs windows of the running program into the
// output folder. The tour runs in a fresh working folder of its own.

#include <string>

#include "app/gui/gui.h"
#include "app/shell.h"

namespace strohvik {

// Lets the program handle what is pending for a moment, so that the window is drawn.
void Settle(TShell& shell);
// A person's left click in the middle of a picture button; the program handles it.
void Press(TShell& shell, const std::string& button);
// Photographs the window with its frame into file.
void Photograph(TShell& shell, TGadget& window, const std::string& file);

// The main window with a loaded mod.
void PhotographModScenes(TShell& shell, const std::string& out);
// The settings dialog in its error state and the main window with the category tree.
void PhotographSettingsScenes(TShell& shell, const std::string& out);

}  // namespace strohvik
