// Deleting, installing and backing up the loaded mod, saving its edits, starting the game.
#include <iostream>

#include "app/commands.h"
#include "mods/file_operations.h"
#include "mods/repack_save.h"
#include "mods/start_game.h"
#include "settings/backup_categories.h"

namespace strohvik {
namespace {

void Trace(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::cout << line << std::endl;
}

void ShowStatus(TAppContext& app, const std::string& status) {
  if (!status.empty()) app.Gadget("Label41").SetText(status);
}

// "" empties the panel; a picture that cannot be loaded empties it too.
void ShowPicture(TAppContext& app, const std::string& panel, const std::optional<std::string>& picture) {
  if (!picture) return;
  app.Gadget(panel).SetPixmap(picture->empty() ? nullptr : TPixmap::Load(*picture), kPixmapScaleToWidth);
}

void Apply(TAppContext& app, const FileOperationOutcome& outcome) {
  if (!outcome.windowToHide.empty()) CloseDialog(app, outcome.windowToHide);
  if (outcome.refreshFolderTree) FillFolderTree(app, app.state.treeFolder);
  if (outcome.resetDisplay) ResetDisplay(app);
  ShowStatus(app, outcome.status);
  Trace(outcome.traceLines);
}

}  // namespace

void ShowDeleteWindow(TAppContext& app, bool buttonForm) {
  const ConfirmationContent content =
      ShowDeleteWindow(buttonForm, app.state.folders, app.state.mod.modPath, app.state.mod.storePictureName);
  OpenDialog(app, "ChildWindow4");
  app.Gadget("TextField9").SetText(content.fileName);
  app.Gadget("TextField15").SetText(content.folder);
  ShowPicture(app, "PlainPanel15", content.storePicture);
}

void DeleteLoadedMod(TAppContext& app) { Apply(app, DeleteLoadedMod(app.state.mod.modPath)); }

void ShowInstallWindow(TAppContext& app, bool buttonForm) {
  const ConfirmationContent content = ShowInstallWindow(buttonForm, app.state.folders, app.state.mod.modPath,
                                                        app.state.settings.modsFolder, app.state.mod.storePictureName);
  OpenDialog(app, "ChildWindow4_c5");
  app.Gadget("TextField9_c10").SetText(content.fileName);
  app.Gadget("TextField16").SetText(content.folder);
  ShowPicture(app, "PlainPanel15_c16", content.storePicture);
}

void InstallLoadedMod(TAppContext& app) {
  Apply(app, InstallLoadedMod(app.state.mod.modPath, app.state.settings.modsFolder));
}

void ShowBackupWindow(TAppContext& app, const std::string& deleteAfter) {
  app.state.deleteAfterBackup = deleteAfter;
  const ConfirmationContent content = ShowBackupWindow(app.state.folders, app.state.mod.modPath,
                                                       app.Gadget("TextField2").GetText(), app.state.mod.storePictureName);
  OpenDialog(app, "ChildWindow13");
  app.Gadget("Label39").SetText(content.title);
  app.Gadget("Label40").SetText(content.fileName);
  ShowPicture(app, "PlainPanel24", content.storePicture);
  FillCategoryTree(app, app.Gadget("TreeView4"));
}

void BackupIntoCategory(TAppContext& app, const std::string& category) {
  const TAppState& state = app.state;
  const BackupRequest request{
      state.mod.modPath,
      state.treeFolder,
      app.Gadget("Label40").GetText(),
      CategoryFolderOf(state.folders.workingDirectory, state.settings.backupFolder, category),
      state.settings.backupFolder,
      state.deleteAfterBackup,
  };
  Apply(app, BackupIntoCategory(request));
}

void SaveMod(TAppContext& app) {
  const SaveOutcome outcome = SaveModChanges(app.state.folders, app.state.mod, app.Gadget("TextField5").GetText(),
                                             app.Gadget("TextField6").GetText(), app.gui.System());
  Trace(outcome.traceLines);
  ShowStatus(app, outcome.status);
}

void StartGame(TAppContext& app) {
  const StartGameOutcome outcome =
      StartGame(app.state.settings.gameFolder, app.state.folders, app.gui.System(), ProgramSearchPath());
  if (outcome.endProgram) app.EndProgram(0);
  ShowStatus(app, outcome.status);
}

}  // namespace strohvik
