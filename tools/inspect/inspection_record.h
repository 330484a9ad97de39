#pragma once
// One line of the batch inspector's report: what loading the archive would put on the
// mod page, read by the same functions the window uses.

#include <optional>
#include <string>
#include <vector>

#include "mods/mod_environment.h"
#include "tools/inspect/problem.h"

namespace strohvik {

struct InspectionRecord {
  std::string file;
  std::string title;
  std::string author;
  std::string version;
  std::string description;
  std::string price;
  std::optional<std::string> multiplayer;   // nothing: the load would leave the label as it was
  std::optional<std::string> storePicture;  // nothing: the description names none
  std::optional<std::string> vehicleFile;   // nothing: the description names none
  std::string capacity;
  std::string fuelCapacity;
  std::vector<std::string> fillTypes;
  std::string status;
  bool descriptionRead = false;
  std::optional<Problems> problems;  // nothing: the run does not check
};

// Reads the archive at the host path file with the environment of this one reading.
InspectionRecord InspectArchive(const ModEnvironment& environment, const std::string& file);

}  // namespace strohvik
