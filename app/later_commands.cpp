// Operations whose work arrives with later parts of the program. They are wired into
// the event loop already, so that each later part only fills in its function here.
#include "app/commands.h"

namespace strohvik {

void LoadMod(TAppContext&, const std::string&) {}
void ResetDisplay(TAppContext&) {}
void ClearTempFolder(TAppContext&) {}
void SaveCapacity(TAppContext&) {}
void SavePrice(TAppContext&) {}
void Repack(TAppContext&) {}

void DeleteLoadedMod(TAppContext&) {}
void InstallLoadedMod(TAppContext&) {}
void BackupIntoCategory(TAppContext&, const std::string&) {}
void FillFolderTree(TAppContext&, const std::string&) {}

void LoadSettings(TAppContext&) {}
void SaveSettingsFromValues(TAppContext&) {}
void SaveSettingsFromFields(TAppContext&) {}
void AskForGameFolder(TAppContext&) {}
void AskForModsFolder(TAppContext&) {}
void AskForBackupFolder(TAppContext&) {}
void FillCategoryTree(TAppContext&, TGadget&) {}
std::string CategoryFolderOf(TAppContext&, const std::string&) { return ""; }
void CheckOnlineVersion(TAppContext&) {}
void OpenWebPage(TAppContext&, const std::string&) {}

}  // namespace strohvik
