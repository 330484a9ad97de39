#pragma once
// Copying single entries out of a mod archive into the reading's copies: the temp
// folder for the window.

#include <string>

#include "mods/loaded_mod.h"
#include "mods/mod_environment.h"

namespace strohvik {

// Copies the first entry (in the reader's sorted order) whose stored name matches the
// wanted name, ignoring ASCII letter case, as the copy named by the file part of the
// target name. When the wanted name is a picture, a DDS entry of the same name without
// extension matches as well: it is copied as (base name of the target) + ".dds" and the
// texture converter is run on that name. Returns "JA" when an entry was copied, "NEIN"
// otherwise (no such entry, no archive, a damaged entry, a target name that names no copy); the result is also stored as the mod's found flag.
std::string ExtractFromArchive(const ModEnvironment& environment, LoadedMod& mod, const std::string& archivePath,
                               const std::string& wantedName, const std::string& targetName);

}  // namespace strohvik
