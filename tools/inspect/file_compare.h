#pragma once
// Whether two files hold the same bytes, read side by side in small blocks: mod archives
// run to hundreds of megabytes, and two that differ usually differ early.

#include <string>

namespace strohvik {

// False as well when either cannot be read.
bool SameBytes(const std::string& hostPathA, const std::string& hostPathB);

}  // namespace strohvik
