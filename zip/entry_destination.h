#pragma once
// Where an entry belongs below a folder chosen by the caller. Entry names come from the
// archive, so a name must never lead the written file outside that folder.

#include <string>

namespace strohvik {

// folder "\" the entry's name with "\" separators, or empty when the name is absolute,
// names a drive or a stream (any ":"), climbs with "..", or names nothing.
std::string EntryDestination(const std::string& folder, const std::string& entryName);

}  // namespace strohvik
