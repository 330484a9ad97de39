#pragma once
// The problems archives have together: the same bytes or the same mod under two names,
// and a copy beside its original. The game loads each of them as a mod of its own.

#include <vector>

#include "tools/inspect/inspection_record.h"

namespace strohvik {

// Adds to the problems of the records; each record's problems must be there.
void CheckArchivesTogether(std::vector<InspectionRecord>& records);

}  // namespace strohvik
