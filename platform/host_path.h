#pragma once
// Inside the system every path is written with "\" (either separator is accepted) and
// every name is UTF-8. These functions are the only place where such paths meet the
// host's form: on Windows the system takes names as wide characters, which
// std::filesystem::path carries when it is made from UTF-8 here.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace strohvik {

// "\" becomes "/"; nothing else changes, so the bytes of UTF-8 names are kept.
std::string HostPath(std::string_view systemPath);
// "/" becomes "\".
std::string SystemPath(std::string_view hostPath);

// The path for the standard library's file functions and for the system's own calls
// (c_str() is the wide form on Windows). Made from the UTF-8 bytes, never from the
// narrow code page a Windows program would otherwise assume.
std::filesystem::path HostFilePath(std::string_view systemPath);
// A path's text in UTF-8, as HostFilePath takes it.
std::string Utf8Text(const std::filesystem::path& path);
// The path made absolute against the working directory and normalised, in the host's
// form; the host form of the path itself when it cannot be made absolute.
std::string AbsoluteHostPath(std::string_view systemPath);
// fopen over HostFilePath. Null when the file cannot be opened.
std::FILE* OpenHostFile(std::string_view systemPath, const char* mode);

}  // namespace strohvik
