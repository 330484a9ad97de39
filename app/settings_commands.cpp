// The settings dialog, the folder tree and the backup category trees: what settings/ and
// mods/folder_listing decide, put on the gadgets.
#include "app/commands.h"
#include "mods/folder_listing.h"
#include "settings/backup_categories.h"
#include "settings/settings_dialog.h"

namespace strohvik {
namespace {

constexpr const char* kFolderFields[kFolderFieldCount] = {"TextField11", "TextField12", "TextField13"};

const std::string& WorkingDirectory(const TAppContext& app) { return app.state.folders.workingDirectory; }

TRgb ToRgb(FieldColour colour) { return {colour.red, colour.green, colour.blue}; }

FolderTexts FieldTexts(const TAppContext& app) {
  FolderTexts texts;
  for (int field = 0; field < kFolderFieldCount; ++field) texts[field] = app.Gadget(kFolderFields[field]).GetText();
  return texts;
}

void ShowSettingsDialog(TAppContext& app, const SettingsDialogView& view) {
  if (view.text) app.Gadget("TextArea1").SetText(*view.text);
  for (int field = 0; field < kFolderFieldCount; ++field) {
    TGadget& gadget = app.Gadget(kFolderFields[field]);
    if (view.fieldTexts) gadget.SetText((*view.fieldTexts)[field]);
    if (view.fieldFailed) gadget.SetColor(ToRgb((*view.fieldFailed)[field] ? kFieldLightRed : kFieldWhite));
  }
  if (view.open) {
    OpenDialog(app, "ChildWindow6");
  } else {
    CloseDialog(app, "ChildWindow6");
  }
}

void AskForFolder(TAppContext& app, FolderField field) {
  const std::string chosen = app.gui.System().RequestDir(FolderRequesterTitle(field), WorkingDirectory(app));
  if (auto text = TakeChosenFolder(app.state.settings, field, chosen)) app.Gadget(kFolderFields[field]).SetText(*text);
}

TGadget& EmptiedTree(TGadget& tree) {
  tree.FreeChildren(tree.RootNode());
  return tree;
}

}  // namespace

void RunStartupSettingsCheck(TAppContext& app) {
  if (app.state.settingsDialog.startupCheckFlag == "JA") return;
  const auto view = RunStartupCheck(WorkingDirectory(app), app.state.settings, app.state.settingsDialog);
  if (view) ShowSettingsDialog(app, *view);
}

void OpenSettingsFromMenu(TAppContext& app) {
  ShowSettingsDialog(app, OpenSettingsFromMenu(WorkingDirectory(app), app.state.settings, app.state.settingsDialog));
}

void SaveSettings(TAppContext& app) {
  ShowSettingsDialog(app, PressSettingsOk(WorkingDirectory(app), app.state.settings, FieldTexts(app),
                                          app.state.settingsDialog));
}

void AskForGameFolder(TAppContext& app) { AskForFolder(app, kGameFolderField); }
void AskForModsFolder(TAppContext& app) { AskForFolder(app, kModsFolderField); }
void AskForBackupFolder(TAppContext& app) { AskForFolder(app, kBackupFolderField); }

void FillFolderTree(TAppContext& app, const std::string& path) {
  const FolderListing listing = FillFolderTree(path);
  app.state.treeFolder = listing.treeFolder;
  TGadget& tree = EmptiedTree(app.Gadget("TreeView3"));
  for (const std::string& name : listing.archiveNames) tree.InsertNode(tree.RootNode(), name);
  if (listing.status) app.Gadget("Label41").SetText(*listing.status);
}

void OpenFolderTreeNode(TAppContext& app, const std::string& nodeText) {
  if (const auto archive = ArchiveOfNode(app.state.treeFolder, nodeText)) {
    app.state.mod.modPath = archive->modPath;
    LoadMod(app, archive->loadPath);
    return;
  }
  ResetDisplay(app);
  const auto folder = CategoryFolderOf(WorkingDirectory(app), app.state.settings.backupFolder, nodeText);
  if (folder) FillFolderTree(app, *folder);
}

void FillCategoryTree(TAppContext& app, TGadget& tree) {
  EmptiedTree(tree);
  for (const CategoryNode& category : ReadCategoryTree(WorkingDirectory(app))) {
    TTreeNode* heading = tree.InsertNode(tree.RootNode(), category.text);
    for (const std::string& child : category.children) tree.InsertNode(heading, child);
  }
}

}  // namespace strohvik
