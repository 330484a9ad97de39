#pragma once
// The archives named on the inspector's command line.

#include <optional>
#include <string>
#include <vector>

namespace strohvik {

struct ArchiveList {
  std::vector<std::string> archives;  // host paths, as given or as found in a folder
  std::optional<std::string> missing; // the first PATH that does not exist
  std::vector<std::string> foreign;   // the other files of the folders given
};

// A file is taken as an archive whatever its name; a folder gives its .zip files (any
// letter case), sorted by name, without descending into subfolders.
ArchiveList ListArchives(const std::vector<std::string>& paths);

}  // namespace strohvik
