#pragma once
// Running the texture converter, which turns temp folder + "\" + (base name) + ".dds"
// into (base name) + ".png" beside it.

#include <string>

#include "mods/mod_environment.h"

namespace strohvik {

// Runs the converter with the name as its one argument, in the working directory, and
// waits for it; its exit code is not looked at (whether a PNG appeared is what counts).
// Does nothing when the converter is not there. True when it was there and ran.
bool ConvertTexture(const ModEnvironment& environment, const std::string& name);

}  // namespace strohvik
