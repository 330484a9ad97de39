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

constexpr const char* kSettingsFile = "Strohvik-ini.xml";

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

void ShowDeleteWindow(TAppContext& app, bool buttonForm) {
  OpenDialog(app, "ChildWindow4");
  app.Gadget("TextField9").SetText(FilePart(app.state.modPath));
  // The menu form shows the folder with "/" separators, the button form with "\".
  std::string folder = FolderPart(app.state.modPath);
  std::replace(folder.begin(), folder.end(), '\\', '/');
  folder += "\\";
  if (buttonForm) std::replace(folder.begin(), folder.end(), '/', '\\');
  app.Gadget("TextField15").SetText(folder);
}

void ShowInstallWindow(TAppContext& app, bool buttonForm) {
  OpenDialog(app, "ChildWindow4_c5");
  app.Gadget("TextField9_c10").SetText(FilePart(app.state.modPath));
  app.Gadget("TextField16").SetText(buttonForm ? app.state.modsFolder : app.state.modsFolder + "\\");
}

void ShowBackupWindow(TAppContext& app, const std::string& deleteAfter) {
  app.state.deleteAfterBackup = deleteAfter;
  OpenDialog(app, "ChildWindow13");
  app.Gadget("Label39").SetText(app.Gadget("TextField2").GetText());
  app.Gadget("Label40").SetText(FilePart(app.state.modPath));
  FillCategoryTree(app, app.Gadget("TreeView4"));
}

void OpenSettingsFromMenu(TAppContext& app) {
  LoadSettings(app);
  OpenDialog(app, "ChildWindow6");
  app.Gadget("TextArea1")
      .SetText("Hier die Ordnerpfade zu eurer LS 2011 Installation angeben.Und noch einen Ordner zum erstellen der "
               "Backups angeben.");
  app.Gadget("TextField11").SetText(app.state.gameFolder);
  app.Gadget("TextField12").SetText(app.state.modsFolder);
  app.Gadget("TextField13").SetText(app.state.backupFolder);
  app.state.settingsDialogMode = "NEW";
}

// The first start asks for the folders; comparing an existing file's version with the
// program's arrives with the settings file itself.
void RunStartupSettingsCheck(TAppContext& app) {
  if (app.state.startupCheckDone == "JA") return;
  app.state.startupCheckDone = "JA";
  if (IsFile(JoinPath(CurrentDirectory(), kSettingsFile))) return;
  OpenDialog(app, "ChildWindow6");
}

void StartGame(TAppContext& app) {
  app.gui.System().Run({JoinPath(app.state.gameFolder, "FarmingSimulator2011.exe")}, "");
  app.EndProgram(0);
}

void PlayClickSound(TAppContext&) {
  static const std::shared_ptr<TSound> click = TSound::Load("incbin::Images\\switch-19.wav");
  if (click) click->Play(1.0f, 0.0f, 0.0f, 1.0f);
}

}  // namespace strohvik
