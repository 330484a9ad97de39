#pragma once
// The problems one archive has on its own: whether the game can read it at all, whether
// its description is where the game looks for it, and what the mod page showed missing.

#include "tools/inspect/inspection_record.h"
#include "tools/inspect/problem.h"

namespace strohvik {

// record is the archive's inspection with the environment given; verify also reads
// every entry to its end.
Problems CheckArchive(const ModEnvironment& environment, const InspectionRecord& record, bool verify);

}  // namespace strohvik
