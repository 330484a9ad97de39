#pragma once
// Telling large archives apart cheaply before their bytes are compared whole.

#include <cstddef>
#include <string>

namespace strohvik {

// A hash of the file's last 64 KiB, where a zip archive keeps its directory with every
// entry's CRC: files that differ there are told apart without being read whole. 0 when
// the file cannot be read.
size_t TailFingerprint(const std::string& hostPath);

}  // namespace strohvik
