#pragma once
// Folder values as the settings keep them. A value that is missing from the settings
// file reads as "0", and a cancelled or emptied field leaves "" or a lone "\"; none of
// these may ever be taken for a real folder, or a copy would land in the file system
// root or in a folder called "0" beside the program.

#include <string>
#include <string_view>

namespace strohvik {

// False for "", "0" and separators alone (also "0\" or "\\"); every command checks this
// before it lists, copies or writes anything in a folder taken from the settings.
bool IsFolderSet(std::string_view folder);
// The folder as it is stored: ending in exactly the "\" it had, or one appended.
std::string WithTrailingBackslash(std::string_view folder);
// The folder without one trailing "\", as the folder test sees it.
std::string WithoutTrailingBackslash(std::string_view folder);

}  // namespace strohvik
