#pragma once
// What the entries of an archive tell without unpacking them: whether the description
// lies where the game looks for it, and whether every entry is whole.

#include <optional>

#include "tools/inspect/problem.h"
#include "zip/zip_reader.h"

namespace strohvik {

// "mod-pack", "nested" or "no-moddesc" when the archive has no modDesc.xml at its top.
Problems ContentProblems(const ZipReader& reader);
// "damaged" when an entry fails its CRC or size check; reads every entry to its end.
std::optional<Problem> DamageProblem(ZipReader& reader);

}  // namespace strohvik
