// Shows the "Mod Laden" button with a tip over it on an X display and has ImageMagick's
// "import" photograph it: tip_screenshot OUTPUT.png. Run by make_screenshots.sh under
// Xvfb; not a test.
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/embedded_resources.h"
#include "app/gui/gui.h"
#include "app/gui/input_simulation.h"
#include "platform/process.h"
#include "smartbutton/creation_api.h"
#include "smartbutton/tip_action.h"

int main(int argc, char** argv) {
  using namespace strohvik;
  if (argc != 2) return 2;
  RegisterEmbeddedResources();
  auto driver = std::make_shared<TScriptedSystemDriver>();
  TGui gui(driver);
  TGadget& window = gui.CreateGadget(GadgetKind::Window, "Demo", "Strohvik", {200, 200, 260, 110}, nullptr,
                                     kWindowTitleBar | kWindowClientSize);
  TGadget& panel = gui.CreateGadget(GadgetKind::Panel, "Back", "", {0, 0, 260, 110}, &window, 0);
  panel.SetPixmap(LoadPixmapOrThrow("incbin::Images/gebuerstetealuminiumtextur.png"), kPixmapStretch);
  ButtonPtr button = CreateSmartButton(20, 20, LoadPixmapOrThrow("incbin::8.png"), panel, kPanelActive);
  AddActionColor(TriggerMove, 0, 8, 2, 8, *button->EnterRegion());
  RegionPtr face = AddSmartRectangle(0, 0, 108, 23, *button);
  auto tip = std::static_pointer_cast<TActionShowTip>(
      AddActionShowTip(TriggerMove, 0, "Eine Mod-Datei öffnen", 1, 10, 12, 18, 150, 22, *face));
  window.SetShow(true);
  gui.ProcessPendingEvents();

  // The pointer rests over the button; the tip's own timer shows it after a second.
  const TRect frame = window.FrameShape();
  driver->cursor = TPoint{frame.x + (frame.width - window.ClientWidth()) / 2 + 60,
                          frame.y + (frame.height - window.ClientHeight()) + 30};
  SimulateMouseEnter(button->Panel(), 40, 10);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(2600);
  while (std::chrono::steady_clock::now() < end) {
    gui.ProcessPendingEvents();
    while (gui.Queue().Pop()) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::printf("tip shown: %s\n", tip->Showing() ? "yes" : "no");
  const std::string crop = std::to_string(frame.width) + "x" + std::to_string(frame.height) + "+" +
                           std::to_string(frame.x) + "+" + std::to_string(frame.y);
  RunProcess({"import", "-window", "root", "-crop", crop, "+repage", argv[1]}, "");
  return tip->Showing() ? 0 : 1;
}
