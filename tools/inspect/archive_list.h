#pragma once
// The archives named on the inspector's command line.

#include <optional>
#include <string>
#include <vector>

namespace strohvik {

// A file of a folder given that is no .zip archive, or a subfolder named like one, and
// where it stands among the archives: after the first archivesBefore of them.
struct ForeignFile {
  std::string path;
  size_t archivesBefore = 0;
};

struct ArchiveList {
  std::vector<std::string> archives;  // host paths, as given or as found in a folder
  std::optional<std::string> missing; // the first PATH that does not exist
  std::vector<ForeignFile> foreign;   // in the order of the listing
};

// A file is taken as an archive whatever its name; a folder gives its .zip files (any
// letter case), sorted by name, without descending into subfolders.
ArchiveList ListArchives(const std::vector<std::string>& paths);

}  // namespace strohvik
