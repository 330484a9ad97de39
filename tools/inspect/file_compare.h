#pragma once
// Whether two files hold the same bytes, read side by side in small blocks: mod archives
// run to hundreds of megabytes, and two that differ usually differ early.

#include <string>

namespace strohvik {

// False as well when either cannot be read.
bool SameBytes(const std::string& hostPathA, const std::string& hostPathB);

// A hash of the file's last 64 KiB, where a zip archive keeps its directory with every
// entry's CRC: files that differ there are told apart without being read whole. 0 when
// the file cannot be read.
size_t TailFingerprint(const std::string& hostPath);

}  // namespace strohvik
