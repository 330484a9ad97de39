#pragma once
// What is checked around a repack: before it, what can be known about the archive, its
// folder and the free space; after it, the archiver's whole work on the copy. Each
// returns the text for the status line, or "" when all is well.

#include <string>
#include <vector>

namespace strohvik {

// Every failure after the checks ends so: the player learns that the mod is safe.
inline constexpr const char* kModUnchanged = "; der Mod ist unverändert.";

// The entry names of an existing zip archive in directory order; false when there is
// no such archive.
bool ListEntryNames(const std::string& archive, std::vector<std::string>& names);

std::string RepackRefusal(const std::string& archive, const std::vector<std::string>& entryNames,
                          const std::vector<std::string>& editedFiles);

// The copy opens, every entry reads whole, the names are the original's plus the
// edited files' and nothing else, each once, and each edited entry holds its file.
std::string RepackedCopyProblem(const std::string& copy, const std::vector<std::string>& originalNames,
                                const std::vector<std::string>& editedFiles);

}  // namespace strohvik
