#pragma once
// What the reading of a mod needs, set up in the inspector's scratch folder: its temp
// folder, the converter built into this program, no trace lines.

#include "mods/mod_environment.h"
#include "platform/scratch_folder.h"

namespace strohvik {

// Creates the temp folder in the scratch folder. The environment uses the scratch folder
// for as long as it is used itself.
ModEnvironment InspectorEnvironment(const ScratchFolder& scratch);

}  // namespace strohvik
