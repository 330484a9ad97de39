#pragma once
// Where a copy taken out of an archive lands. The names come from the archive and from
// modDesc.xml, so they are untrusted: only their file part is used, and a file part that
// would not name a file inside the temp folder ("", ".", "..", a NUL byte) gives none.

#include <optional>
#include <string>

#include "mods/working_folders.h"

namespace strohvik {

// The file part of name, or nothing when it cannot stand for a file in the temp folder.
std::optional<std::string> TempCopyName(const std::string& name);
// Temp folder + "\" + TempCopyName(name), or nothing.
std::optional<std::string> TempCopyPath(const WorkingFolders& folders, const std::string& name);

}  // namespace strohvik
