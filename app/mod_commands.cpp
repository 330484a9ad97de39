// Loading a mod onto the mod page and emptying the page and the temp folder. The reading
// itself happens in mods/; here its values are put on the gadgets.
#include "app/commands.h"
#include "mods/folder_clearing.h"
#include "mods/mod_page.h"
#include "mods/mod_reading.h"
#include "mods/mod_texts.h"

namespace strohvik {
namespace {

constexpr char kRequesterTitle[] = "Mod Datei suchen.";
constexpr char kRequesterFilter[] = "Zip  Dateien:zip;All Files:*";

struct PageText {
  const char* gadget;
  std::string ModPage::*value;
};
constexpr PageText kPageTexts[] = {
    {"TextField1", &ModPage::author},   {"TextField2", &ModPage::title},    {"TextField3", &ModPage::version},
    {"TextField4", &ModPage::description}, {"TextField5", &ModPage::price}, {"TextField6", &ModPage::capacity},
    {"TextField7", &ModPage::fileName}, {"Label44", &ModPage::fuelCapacity},
};

// The converter starts through the desktop driver, so that tests see what runs. The
// driver outlives every command, so the pointer need not own it.
ModEnvironment EnvironmentOf(TAppContext& app) {
  ModEnvironment environment = ModEnvironment::For(app.state.folders);
  environment.processes = std::shared_ptr<ProcessRunner>(std::shared_ptr<ProcessRunner>(), &app.gui.System());
  return environment;
}

// A copy from the temp folder that passed the signature check can still fail to decode;
// the panel then shows the "no store picture" picture rather than nothing.
void ShowPicture(TAppContext& app, const std::string& url, std::string& status) {
  PixmapPtr picture = TPixmap::Load(url);
  if (!picture) {
    picture = LoadPixmapOrThrow(kNoStorePicturePicture);
    status = kStorePictureUnreadable;
  }
  app.Gadget("PlainPanel2").SetPixmap(picture, kPixmapScaleToWidth);
}

void ShowFillTypes(TGadget& tree, const std::vector<std::string>& names) {
  TTreeNode* root = tree.RootNode();
  tree.FreeChildren(root);
  for (const auto& name : names) tree.InsertNode(root, name);
}

void ShowPage(TAppContext& app, const ModPage& page) {
  for (const PageText& text : kPageTexts) app.Gadget(text.gadget).SetText(page.*text.value);
  if (page.multiplayer) app.Gadget("Label22").SetText(*page.multiplayer);
  if (page.fillTypes) ShowFillTypes(app.Gadget("TreeView5"), *page.fillTypes);
  std::string status = page.status;
  ShowPicture(app, page.picture, status);
  app.Gadget("Label41").SetText(status);
}

}  // namespace

void LoadMod(TAppContext& app, const std::string& path) {
  ClearTempFolder(app.state.folders);
  ClearWorkFolder(app.state.folders);
  const std::string modPath = path.empty() ? app.gui.System().RequestFile(kRequesterTitle, kRequesterFilter, "") : path;
  ShowPage(app, ReadMod(EnvironmentOf(app), app.state.mod, modPath));
}

void ResetDisplay(TAppContext& app) { ShowPage(app, ResetDisplay(app.state.mod)); }

void ClearTempFolder(TAppContext& app) { ClearTempFolder(app.state.folders); }

}  // namespace strohvik
