#pragma once
// Path helpers over the system's path strings; "\" and "/" both separate.

#include <string>
#include <string_view>

namespace strohvik {

// Everything before the last separator; empty when there is none.
std::string FolderPart(std::string_view path);
// Everything after the last separator; the whole path when there is none.
std::string FilePart(std::string_view path);
// The text after the last "." of the last path element; empty when there is none.
std::string Extension(std::string_view path);
// The path with its extension and that "." removed.
std::string WithoutExtension(std::string_view path);
// Folder and name with exactly one "\" between them. An empty folder gives the name alone.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace strohvik
