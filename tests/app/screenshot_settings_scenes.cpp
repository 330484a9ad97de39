#include "app/commands.h"
#include "platform/file_system.h"
#include "tests/app/screenshot_scenes.h"

namespace strohvik {
namespace {

// Four categories as a player might divide the backups, umlauts included.
constexpr const char* kCategories =
    "<Kategorien>\r\n"
    "\t<Kategorien Kategorien=\"4\" />\r\n"
    "\t<1 Name=\"Traktoren\" num=\"3\" 1=\"Fendt\" 2=\"Deutz\" 3=\"John Deere\" />\r\n"
    "\t<2 Name=\"Anh\xC3\xA4nger\" num=\"2\" 1=\"Kipper\" 2=\"Ballenwagen\" />\r\n"
    "\t<3 Name=\"M\xC3\xA4hdrescher\" num=\"1\" 1=\"Claas\" />\r\n"
    "\t<4 Name=\"Ger\xC3\xA4te\" num=\"2\" 1=\"Pfl\xC3\xBCge\" 2=\"S\xC3\xA4maschinen\" />\r\n"
    "</Kategorien>\r\n";

// The game and backup folders exist; the mods folder has a typing slip and turns light red.
void PhotographSettingsError(TShell& shell, const std::string& out) {
  TAppContext& app = shell.App();
  const std::string working = app.state.folders.workingDirectory;
  CreateFolderWithParents(working + "\\LS2011");
  CreateFolderWithParents(working + "\\Backup");
  OpenSettingsFromMenu(app);
  app.Gadget("TextField11").SetText(working + "\\LS2011\\");
  app.Gadget("TextField12").SetText(working + "\\LS2011\\mod\\");
  app.Gadget("TextField13").SetText(working + "\\Backup\\");
  Press(shell, "SmartButton39");
  Photograph(shell, app.Gadget("ChildWindow6"), out + "/settings-error.png");
  CloseDialog(app, "ChildWindow6");
}

void PhotographCategoryTree(TShell& shell, const std::string& out) {
  TAppContext& app = shell.App();
  WriteFileAtomically(app.state.folders.workingDirectory + "\\Kategorien.xml", kCategories, Durability::Scratch);
  app.state.settings.backupFolder = app.state.folders.workingDirectory + "\\Backup";
  Press(shell, "SmartButton32");
  Photograph(shell, app.Gadget("Window1"), out + "/category-tree.png");
}

}  // namespace

void PhotographSettingsScenes(TShell& shell, const std::string& out) {
  PhotographSettingsError(shell, out);
  PhotographCategoryTree(shell, out);
}

}  // namespace strohvik
