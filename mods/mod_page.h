#pragma once
// The values of the mod page of the main window, as a load or a reset leaves them. The
// window only puts them on its gadgets; the batch inspector prints them.

#include <optional>
#include <string>
#include <vector>

#include "mods/loaded_mod.h"

namespace strohvik {

struct ModPage {
  std::string author;       // TextField1
  std::string title;        // TextField2
  std::string version;      // TextField3
  std::string description;  // TextField4
  std::string price;        // TextField5
  std::string capacity;     // TextField6
  std::string fileName;     // TextField7
  std::string fuelCapacity; // Label44
  // Label22; nothing: the label keeps what it showed.
  std::optional<std::string> multiplayer;
  // TreeView5, the nodes under its root; nothing: the tree keeps what it showed.
  std::optional<std::vector<std::string>> fillTypes;
  std::string picture;      // PlainPanel2: a temp folder file or an "incbin::" picture
  std::string status;       // Label41
  // Whether the archive had a modDesc.xml that could be read as a mod description.
  bool descriptionRead = false;
};

// The page emptied: no mod loaded. Also forgets the mod path; the fill-type tree keeps
// what it showed.
ModPage ResetDisplay(LoadedMod& mod);

}  // namespace strohvik
