// The settings dialog, the folder tree and the backup category trees.
#include "app/commands.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace strohvik {

namespace {

constexpr const char* kSettingsFile = "Strohvik-ini.xml";

}  // namespace

void OpenSettingsFromMenu(TAppContext& app) {
  LoadSettings(app);
  OpenDialog(app, "ChildWindow6");
  app.Gadget("TextArea1")
      .SetText("Hier die Ordnerpfade zu eurer LS 2011 Installation angeben.Und noch einen Ordner zum erstellen der "
               "Backups angeben.");
  app.Gadget("TextField11").SetText(app.state.settings.gameFolder);
  app.Gadget("TextField12").SetText(app.state.settings.modsFolder);
  app.Gadget("TextField13").SetText(app.state.settings.backupFolder);
  app.state.settingsDialog.mode = "NEW";
}

// The first start asks for the folders; comparing an existing file's version with the
// program's arrives with the settings file itself.
void RunStartupSettingsCheck(TAppContext& app) {
  if (app.state.settingsDialog.startupCheckFlag == "JA") return;
  app.state.settingsDialog.startupCheckFlag = "JA";
  if (IsFile(JoinPath(CurrentDirectory(), kSettingsFile))) return;
  OpenDialog(app, "ChildWindow6");
}

void LoadSettings(TAppContext&) {}
void SaveSettings(TAppContext&) {}
void AskForGameFolder(TAppContext&) {}
void AskForModsFolder(TAppContext&) {}
void AskForBackupFolder(TAppContext&) {}
void FillFolderTree(TAppContext&, const std::string&) {}
void OpenFolderTreeNode(TAppContext&, const std::string&) {}
void FillCategoryTree(TAppContext&, TGadget&) {}

}  // namespace strohvik
