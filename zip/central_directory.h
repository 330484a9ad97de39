#pragma once
// The byte-level reading of a central directory: finding it through the end record and
// parsing its headers. Every field is treated as hostile: nothing is read or allocated
// beyond what the file holds.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/stream.h"
#include "zip/zip_records.h"

namespace strohvik {

struct CentralDirectoryLocation {
  int64_t directoryOffset;
  int64_t endRecordEnd;  // the position just after the end record chosen
};

// Where the archive's end record puts the central directory, or nothing when no end
// record with room for all its 22 bytes names a plausible directory.
std::optional<CentralDirectoryLocation> LocateCentralDirectory(TStream& archive);

// Parses the header at position in bytes and moves position past it. False, with
// position unchanged, at a record that is not a central header or one cut off early.
bool ParseCentralHeader(std::string_view bytes, size_t& position, SZIPCentralFileHeader& header);

}  // namespace strohvik
