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

// The offset of the central directory named by the archive's end record, or nothing when
// no end record with room for all its 22 bytes names a plausible directory.
std::optional<int64_t> LocateCentralDirectory(TStream& archive);

// Parses the header at position in bytes and moves position past it. False, with
// position unchanged, at a record that is not a central header or one cut off early.
bool ParseCentralHeader(std::string_view bytes, size_t& position, SZIPCentralFileHeader& header);

}  // namespace strohvik
