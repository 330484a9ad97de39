#include "mods/mod_page.h"

#include "mods/mod_texts.h"

namespace strohvik {

ModPage ResetDisplay(LoadedMod& mod) {
  mod.modPath.clear();
  ModPage page;
  page.multiplayer = kMultiplayerUnknown;
  page.picture = kEmptyPicture;
  page.status = kNoErrors;
  return page;
}

}  // namespace strohvik
