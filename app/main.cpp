#include "app/gui/gui.h"
#include "app/shell.h"

int main() {
  strohvik::TGui gui(strohvik::CreateDesktopSystemDriver());
  strohvik::TShell shell(gui);
  return shell.Run();
}
