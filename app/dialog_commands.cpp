// Opening and closing the dialog windows, and the commands that only show one.
#include <algorithm>
#include <array>

#include "app/commands.h"
#include "app/windows.h"
#include "platform/audio.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace strohvik {
namespace {

// The dialogs that disable the main window while they are shown; the information
// window leaves it enabled.
constexpr std::array<const char*, 5> kDisablingDialogs = {"ChildWindow2", "ChildWindow13", "ChildWindow6",
                                                          "ChildWindow4", "ChildWindow4_c5"};

}  // namespace

void OpenDialog(TAppContext& app, const std::string& window) {
  app.Gadget("Window1").SetEnabled(false);
  app.Gadget(window).SetShow(true);
}

void CloseDialog(TAppContext& app, const std::string& window) {
  app.Gadget(window).SetShow(false);
  // Enabling the main window under another open dialog would let the user load a
  // different mod while that dialog still acts on the one it shows.
  const bool dialogStillOpen = std::any_of(kDisablingDialogs.begin(), kDisablingDialogs.end(),
                                           [&](const char* name) { return app.Gadget(name).Shown(); });
  if (!dialogStillOpen) app.Gadget("Window1").SetEnabled(true);
}

void PlayClickSound(TAppContext&) {
  static const std::shared_ptr<TSound> click = TSound::Load("incbin::Images\\switch-19.wav");
  if (click) click->Play(1.0f, 0.0f, 0.0f, 1.0f);
}

}  // namespace strohvik
