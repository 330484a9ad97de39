#include "tools/inspect/inspection_record.h"

#include "mods/loaded_mod.h"
#include "mods/mod_reading.h"
#include "platform/host_path.h"

namespace strohvik {
namespace {

std::optional<std::string> UnlessNone(const std::string& name) {
  if (name == "0") return std::nullopt;
  return name;
}

}  // namespace

InspectionRecord InspectArchive(const ModEnvironment& environment, const std::string& file) {
  LoadedMod mod;
  const ModPage page = ReadMod(environment, mod, SystemPath(file));
  return InspectionRecord{
      file,
      page.title,
      page.author,
      page.version,
      page.description,
      page.price,
      page.multiplayer,
      UnlessNone(mod.storePictureName),
      UnlessNone(mod.vehicleFileName),
      page.capacity,
      page.fuelCapacity,
      page.fillTypes.value_or(std::vector<std::string>{}),
      page.status,
      page.descriptionRead,
      std::nullopt,
  };
}

}  // namespace strohvik
