#pragma once
// What the reading of one archive needs in the inspector: copies in memory, the archive
// kept open for the check that follows the reading, no trace lines (standard output
// carries the report).

#include "mods/mod_environment.h"

namespace strohvik {

ModEnvironment InspectorEnvironment();

}  // namespace strohvik
