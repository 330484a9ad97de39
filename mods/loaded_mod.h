#pragma once
// The values of the loaded mod, replaced as a whole by every load.

#include <string>

namespace strohvik {

struct LoadedMod {
  std::string modPath;                // full path as chosen; empty: no mod is loaded
  std::string foundFlag = "NEIN";     // "JA" when the last ExtractFromArchive found its entry
  std::string storePictureName;       // path inside the archive as the description gives it, or "0"
  std::string vehicleFileName;        // "modDesc/storeItems/storeItem/xmlFilename", or "0"
};

}  // namespace strohvik
