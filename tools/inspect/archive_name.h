#pragma once
// What the game and the player make of an archive's file name: the game takes the name
// without ".zip" as the mod's name in its scripts, so only letters A-Z, digits and "_"
// are loaded, and never a leading digit; browsers and file managers mark a second
// download or a copy with words the game does not know.

#include <optional>
#include <string>

#include "tools/inspect/problem.h"

namespace strohvik {

// The file name of a host path, without its folder.
std::string FileNameOf(const std::string& hostPath);
// "name-invalid" with the first character in the way and a name that would load.
std::optional<Problem> NameProblem(const std::string& fileName);
// The name the file had before it was copied or downloaded again; none when the name
// bears no such mark.
std::optional<std::string> NameBeforeCopy(const std::string& fileName);

}  // namespace strohvik
