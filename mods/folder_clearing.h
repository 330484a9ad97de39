#pragma once
// Emptying the temp and work folders: every file standing directly in the folder is
// deleted; subfolders and their contents stay.

#include "mods/working_folders.h"

namespace strohvik {

void ClearTempFolder(const WorkingFolders& folders);
void ClearWorkFolder(const WorkingFolders& folders);

}  // namespace strohvik
