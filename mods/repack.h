#pragma once
// Packing edited files back into the loaded mod archive with the external archiver. The
// archiver works on a hidden copy beside the archive; only a copy that our own reader
// has checked whole replaces the original, so a failed or killed archiver, a full disk
// or a damaged result leaves the mod as it was.

#include <string>
#include <vector>

#include "mods/working_folders.h"
#include "platform/process.h"

namespace strohvik {

// working directory + "\Tools\7z.exe"
std::string ArchiverPath(const WorkingFolders& folders);

// The archiver's arguments, each a native absolute path where it names a file: update
// the zip archive with exactly these files, each stored in the top level under its own
// name, replacing the entry of that name even when the entry is newer, with no wildcard
// matching of the names.
std::vector<std::string> RepackArguments(const WorkingFolders& folders, const std::string& archive,
                                         const std::vector<std::string>& editedFiles);

// Updates an existing zip archive, never creating one. Each edited file must be named
// exactly like the entry it replaces. Empty on success, else the text for the status
// line, which says why and where a copy was left if one could not be removed.
std::string Repack(const WorkingFolders& folders, const std::string& archive,
                   const std::vector<std::string>& editedFiles, ProcessRunner& runner);

}  // namespace strohvik
