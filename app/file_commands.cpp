// Deleting, installing and backing up the loaded mod, saving its edits, starting the game.
#include <algorithm>

#include "app/commands.h"
#include "platform/paths.h"

namespace strohvik {

void ShowDeleteWindow(TAppContext& app, bool buttonForm) {
  OpenDialog(app, "ChildWindow4");
  app.Gadget("TextField9").SetText(FilePart(app.state.mod.modPath));
  // The menu form shows the folder with "/" separators, the button form with "\".
  std::string folder = FolderPart(app.state.mod.modPath);
  std::replace(folder.begin(), folder.end(), '\\', '/');
  folder += "\\";
  if (buttonForm) std::replace(folder.begin(), folder.end(), '/', '\\');
  app.Gadget("TextField15").SetText(folder);
}

void ShowInstallWindow(TAppContext& app, bool buttonForm) {
  OpenDialog(app, "ChildWindow4_c5");
  app.Gadget("TextField9_c10").SetText(FilePart(app.state.mod.modPath));
  app.Gadget("TextField16").SetText(buttonForm ? app.state.settings.modsFolder : app.state.settings.modsFolder + "\\");
}

void ShowBackupWindow(TAppContext& app, const std::string& deleteAfter) {
  app.state.deleteAfterBackup = deleteAfter;
  OpenDialog(app, "ChildWindow13");
  app.Gadget("Label39").SetText(app.Gadget("TextField2").GetText());
  app.Gadget("Label40").SetText(FilePart(app.state.mod.modPath));
  FillCategoryTree(app, app.Gadget("TreeView4"));
}

void DeleteLoadedMod(TAppContext&) {}
void InstallLoadedMod(TAppContext&) {}
void BackupIntoCategory(TAppContext&, const std::string&) {}
void SaveMod(TAppContext&) {}

void StartGame(TAppContext& app) {
  app.gui.System().Run({JoinPath(app.state.settings.gameFolder, "FarmingSimulator2011.exe")}, "");
  app.EndProgram(0);
}

}  // namespace strohvik
