// Shows the main window and each dialog in turn on an X display and has ImageMagick's
// "import" photograph it: screenshot_tour OUTPUT_FOLDER. Run by make_screenshots.sh
// under Xvfb; not a test.
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "app/commands.h"
#include "tests/app/screenshot_scenes.h"
#include "app/gui/gui.h"
#include "app/gui/input_simulation.h"
#include "app/shell.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace strohvik {

void Settle(TShell& shell) {
  for (int i = 0; i < 20; ++i) {
    shell.HandlePending();
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
}

void Press(TShell& shell, const std::string& button) {
  TGadget& panel = shell.App().Gadget(button);
  const int x = panel.Shape().width / 2, y = panel.Shape().height / 2;
  SimulatePointerPress(panel, kMouseLeft, x, y);
  Settle(shell);
  SimulatePointerRelease(panel, kMouseLeft, x, y);
  Settle(shell);
}

void Photograph(TShell& shell, TGadget& window, const std::string& file) {
  Settle(shell);
  const TRect shape = window.FrameShape();
  const std::string crop = std::to_string(shape.width) + "x" + std::to_string(shape.height) +
                           "+" + std::to_string(shape.x) + "+" + std::to_string(shape.y);
  std::printf("%s %s\n", file.c_str(), crop.c_str());
  RunProcess({"import", "-window", "root", "-crop", crop, "+repage", file}, "");
}

}  // namespace strohvik

int main(int argc, char** argv) {
  using namespace strohvik;
  if (argc != 2) return 2;
  const std::string out = argv[1];
  TGui gui(std::make_shared<TScriptedSystemDriver>());
  TShell shell(gui);
  TAppContext& app = shell.App();
  shell.Start();
  TGadget& main = gui.Get("Window1");

  Photograph(shell, gui.Get("ChildWindow6"), out + "/settings-first-start.png");
  CloseDialog(app, "ChildWindow6");
  Photograph(shell, main, out + "/main-window.png");
  // The pointer resting on "Mod Laden" tints it green.
  SimulateMouseEnter(gui.Get("SmartButton25"), 40, 12);
  Photograph(shell, main, out + "/button-hover.png");
  SimulateMouseLeave(gui.Get("SmartButton25"));

  struct Dialog {
    const char* window;
    const char* file;
  };
  const Dialog dialogs[] = {
      {"ChildWindow2", "about.png"},  {"ChildWindow12", "information.png"}, {"ChildWindow13", "backup-categories.png"},
      {"ChildWindow4", "delete.png"}, {"ChildWindow4_c5", "install.png"},   {"ChildWindow11", "wait.png"},
  };
  for (const Dialog& dialog : dialogs) {
    OpenDialog(app, dialog.window);
    shell.AfterEvent(nullptr);
    if (std::string(dialog.window) == "ChildWindow11") gui.Get("ChildWindow11").SetShow(true);
    Photograph(shell, gui.Get(dialog.window), out + "/" + dialog.file);
    CloseDialog(app, dialog.window);
    gui.Get(dialog.window).SetShow(false);
  }

  PhotographModScenes(shell, out);
  PhotographSettingsScenes(shell, out);

  main.SetShape({main.Shape().x, main.Shape().y, 1200, 700});
  Photograph(shell, main, out + "/main-window-1200x700.png");
  return 0;
}
