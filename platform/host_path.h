#pragma once
// Inside the system every path is written with "\" (either separator is accepted).
// These two functions are the only place where such paths meet the host's form.

#include <string>
#include <string_view>

namespace strohvik {

// "\" becomes "/"; nothing else changes, so the bytes of UTF-8 names are kept.
std::string HostPath(std::string_view systemPath);
// "/" becomes "\".
std::string SystemPath(std::string_view hostPath);

}  // namespace strohvik
