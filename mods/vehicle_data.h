#pragma once
// The vehicle data of a mod: capacity, fuel capacity and fill types, read from the
// vehicle file that modDesc.xml names.

#include <string>
#include <vector>

#include "mods/loaded_mod.h"
#include "mods/mod_environment.h"

namespace strohvik {

struct VehicleData {
  std::string capacity;                // TextField6; empty when missing
  std::string fuelCapacity;            // Label44: the fuel capacity or "keine Infos", then " L"
  std::vector<std::string> fillTypes;  // TreeView5, German names in table order
};

// Copies mod.vehicleFileName out of mod.modPath (setting the found flag) and reads it.
// A mod without vehicle file, or one the archive lacks, reads as an empty document.
VehicleData ShowVehicleData(const ModEnvironment& environment, LoadedMod& mod);

}  // namespace strohvik
