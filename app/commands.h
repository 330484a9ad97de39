#pragma once
// The operations the event loop calls, by the names the rest of the program knows them.
// Each puts on the gadgets what the plain functions of mods/ and settings/ return.

#include <string>

#include "app/app_context.h"

namespace strohvik {

// Mod inspection.
void LoadMod(TAppContext& app, const std::string& path);
void ResetDisplay(TAppContext& app);
void ClearTempFolder(TAppContext& app);
// SmartButton34 and "Mod Speichern": capacity, price, then the repack of the loaded mod.
void SaveMod(TAppContext& app);

// File management.
void ShowDeleteWindow(TAppContext& app, bool buttonForm);
void DeleteLoadedMod(TAppContext& app);
void ShowInstallWindow(TAppContext& app, bool buttonForm);
void InstallLoadedMod(TAppContext& app);
void ShowBackupWindow(TAppContext& app, const std::string& deleteAfter);
void BackupIntoCategory(TAppContext& app, const std::string& category);
void StartGame(TAppContext& app);
void FillFolderTree(TAppContext& app, const std::string& folder);
// A double click (or Enter) on a node of TreeView3: an archive loads, a category node
// lists its folder.
void OpenFolderTreeNode(TAppContext& app, const std::string& nodeText);
void PlayClickSound(TAppContext& app);

// Settings and online services.
void RunStartupSettingsCheck(TAppContext& app);
// The settings dialog's OK button.
void SaveSettings(TAppContext& app);
void OpenSettingsFromMenu(TAppContext& app);
void AskForGameFolder(TAppContext& app);
void AskForModsFolder(TAppContext& app);
void AskForBackupFolder(TAppContext& app);
void FillCategoryTree(TAppContext& app, TGadget& tree);
void CheckOnlineVersion(TAppContext& app);
void OpenWebPage(TAppContext& app, const std::string& path);

// Dialog windows that disable the main window while they are shown.
void OpenDialog(TAppContext& app, const std::string& window);
// Hides a dialog; enables the main window unless another dialog that disabled it is
// still shown.
void CloseDialog(TAppContext& app, const std::string& window);

}  // namespace strohvik
