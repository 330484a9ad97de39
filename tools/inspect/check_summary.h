#pragma once
// The line a player reads at the end of a check: how many mods, how many with problems,
// and how often each problem came up.

#include <string>
#include <vector>

#include "tools/inspect/inspection_record.h"

namespace strohvik {

// "412 Mods, 17 mit Problemen: duplicate 2, name-invalid 15", codes in name order.
std::string CheckSummary(const std::vector<InspectionRecord>& records);

}  // namespace strohvik
