#pragma once
// minizip takes the last end-record signature in a file as the end record, so a comment
// holding those bytes makes it refuse a sound archive. Opened over a view of the file
// that ends right after the end record the directory scan chose, it reads the same
// directory as the entry list.

#include <cstdint>
#include <string>

#include <minizip/unzip.h>

namespace strohvik {

// Null when minizip cannot open the archive within the first viewEnd bytes.
unzFile OpenUnzipUpTo(const std::string& hostPath, int64_t viewEnd);

}  // namespace strohvik
