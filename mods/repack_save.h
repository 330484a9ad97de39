#pragma once
// Saving an edited price and capacity into the loaded mod: the extracted copies in the
// temp folder are edited line by line, the edited files go to the work folder under the
// names of the entries they replace, and the archive is repacked with them.

#include <string>
#include <vector>

#include "mods/loaded_mod.h"
#include "mods/working_folders.h"
#include "platform/process.h"

namespace strohvik {

inline constexpr const char* kCouldNotOpen = "could not open file modDesc.xml";

struct EditOutcome {
  std::string error;                    // for the status line; empty when written
  std::string workFile;                 // the edited copy in the work folder
  std::vector<std::string> traceLines;  // for standard output
};

// Edits the vehicle file's "<capacity>" lines; the copy is written to the work folder as
// entryName.
EditOutcome SaveCapacity(const WorkingFolders& folders, const std::string& vehicleFileName,
                         const std::string& capacity, const std::string& entryName);

// Edits the description's "<price>" lines. When the vehicle file lies in a folder of the
// archive and its edited copy was written in this save (vehicleCopyName not empty), the
// first "<xmlFilename>" is pointed at that copy, which is packed into the top level.
EditOutcome SavePrice(const WorkingFolders& folders, const std::string& vehicleFileName, const std::string& price,
                      const std::string& vehicleCopyName, const std::string& entryName);

struct SaveOutcome {
  std::string status;                   // for Label41
  std::vector<std::string> traceLines;  // for standard output
};

// SmartButton34 and the menu item "Mod Speichern": the capacity (when the field is not
// empty), then the price, then the repack of the loaded archive, which is always the
// mod path, whatever TextField7 shows.
SaveOutcome SaveModChanges(const WorkingFolders& folders, const LoadedMod& mod, const std::string& price,
                           const std::string& capacity, ProcessRunner& runner);

}  // namespace strohvik
