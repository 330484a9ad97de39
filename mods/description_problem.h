#pragma once
// Why a mod's description could not be read, in words for the status line. An archive
// that holds none, or is no zip archive at all, keeps the old advice to unpack it or
// choose another mod; a description that is there says what stands in the way.

#include <string>

#include "mods/mod_environment.h"

namespace strohvik {

// The copy of modDesc.xml out of the archive failed.
std::string WhyNoDescription(const ModEnvironment& environment, const std::string& modPath);
// The copy of copySize bytes is there, but the XML reader refused it.
std::string WhyUnreadableDescription(int64_t copySize);

}  // namespace strohvik
