#pragma once
// The operations the event loop calls, by the names the rest of the program knows them.
// Those that belong to later parts of the program (loading, settings, backup,
// repacking, the version check, ...) are still empty here; each fills in its own.

#include <string>

#include "app/app_context.h"

namespace strohvik {

// Mod inspection.
void LoadMod(TAppContext& app, const std::string& path);
void ResetDisplay(TAppContext& app);
void ClearTempFolder(TAppContext& app);
void SaveCapacity(TAppContext& app);
void SavePrice(TAppContext& app);
void Repack(TAppContext& app);

// File management.
void ShowDeleteWindow(TAppContext& app, bool buttonForm);
void DeleteLoadedMod(TAppContext& app);
void ShowInstallWindow(TAppContext& app, bool buttonForm);
void InstallLoadedMod(TAppContext& app);
void ShowBackupWindow(TAppContext& app, const std::string& deleteAfter);
void BackupIntoCategory(TAppContext& app, const std::string& category);
void StartGame(TAppContext& app);
void FillFolderTree(TAppContext& app, const std::string& folder);
void PlayClickSound(TAppContext& app);

// Settings and online services.
void RunStartupSettingsCheck(TAppContext& app);
void LoadSettings(TAppContext& app);
void SaveSettingsFromValues(TAppContext& app);
void SaveSettingsFromFields(TAppContext& app);
void OpenSettingsFromMenu(TAppContext& app);
void AskForGameFolder(TAppContext& app);
void AskForModsFolder(TAppContext& app);
void AskForBackupFolder(TAppContext& app);
void FillCategoryTree(TAppContext& app, TGadget& tree);
// The folder of a backup category node; empty for a category heading.
std::string CategoryFolderOf(TAppContext& app, const std::string& category);
void CheckOnlineVersion(TAppContext& app);
void OpenWebPage(TAppContext& app, const std::string& path);

// Dialog windows that disable the main window while they are shown.
void OpenDialog(TAppContext& app, const std::string& window);
// Hides a dialog; enables the main window unless another dialog that disabled it is
// still shown.
void CloseDialog(TAppContext& app, const std::string& window);

}  // namespace strohvik
