#include "mods/vehicle_data.h"

#include "mods/archive_extraction.h"
#include "mods/fill_types.h"
#include "mods/mod_texts.h"
#include "xml/xml_file.h"

namespace strohvik {
namespace {

constexpr char kNone[] = "0";

std::shared_ptr<XMLFile> OpenVehicleCopy(const ModEnvironment& environment, LoadedMod& mod) {
  auto vehicle = XMLFile::New();
  vehicle->Create();
  const std::string& name = mod.vehicleFileName;
  if (name == kNone) {
    mod.foundFlag = "NEIN";
    return vehicle;
  }
  if (ExtractFromArchive(environment, mod, mod.modPath, name, name) == "JA") {
    environment.Copies()->OpenDocument(*vehicle, name);
  }
  return vehicle;
}

std::string OrIfMissing(const std::string& value, const std::string& placeholder) {
  return value == kNone ? placeholder : value;
}

}  // namespace

VehicleData ShowVehicleData(const ModEnvironment& environment, LoadedMod& mod) {
  const auto vehicle = OpenVehicleCopy(environment, mod);
  const std::string fruitTypes = vehicle->ReadNodeValue("vehicle/fillTypes", "fruitTypes");
  return VehicleData{
      OrIfMissing(vehicle->ReadNodeText("vehicle/capacity"), ""),
      OrIfMissing(vehicle->ReadNodeText("vehicle/fuelCapacity"), kNoInfo) + kLitres,
      fruitTypes == kNone ? std::vector<std::string>{} : GermanFillTypeNames(fruitTypes),
  };
}

}  // namespace strohvik
