#pragma once
// Reading a mod archive into the values of the mod page: the description, the store
// picture and the vehicle data, each copied out of the archive into the temp folder.

#include <string>

#include "mods/loaded_mod.h"
#include "mods/mod_environment.h"
#include "mods/mod_page.h"

namespace strohvik {

// Loads the archive at modPath (the empty string when the user chose none) and returns
// what the mod page shows for it; mod is replaced by the new mod's values. The caller
// empties the temp and work folders first (ClearTempFolder, ClearWorkFolder), so that
// nothing of an earlier mod is read by mistake; the copies stay in the temp folder
// afterwards for the operations that need them.
ModPage ReadMod(const ModEnvironment& environment, LoadedMod& mod, const std::string& modPath);

}  // namespace strohvik
