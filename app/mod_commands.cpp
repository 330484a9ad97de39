// Loading a mod onto the mod page and emptying the page and the temp folder.
#include "app/commands.h"

namespace strohvik {

void LoadMod(TAppContext&, const std::string&) {}
void ResetDisplay(TAppContext&) {}
void ClearTempFolder(TAppContext&) {}

}  // namespace strohvik
