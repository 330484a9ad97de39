#pragma once
// The store picture of a mod: its name from modDesc.xml, its copy out of the archive
// (converted when it is a DDS texture), and what the picture panel and the status line
// show for it.

#include <string>

#include "mods/loaded_mod.h"
#include "mods/mod_environment.h"
#include "xml/xml_file.h"

namespace strohvik {

// image/active when it has an extension, else iconFilename, iconFilename/de or
// iconFilename/en, whichever is found first; "0" when none is.
std::string ChooseStorePictureName(const XMLFile& description);

struct StorePictureView {
  std::string picture;  // a temp folder file or an embedded "incbin::" picture
  std::string status;   // "Keine Fehler." or why no store picture is shown
};

// Copies mod.storePictureName out of mod.modPath (setting the found flag) and decides
// what to show. A copy the window could not show gives the "no store picture" picture
// with a message rather than an empty panel.
StorePictureView ShowStorePicture(const ModEnvironment& environment, LoadedMod& mod);

}  // namespace strohvik
