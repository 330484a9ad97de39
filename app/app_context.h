#pragma once
// What every handler of the application works on: the toolkit with its gadgets, the
// process-wide values, and the request to end the run.

#include <optional>
#include <string>

#include "app/gui/gui.h"
#include "mods/loaded_mod.h"
#include "mods/working_folders.h"
#include "settings/settings_dialog.h"
#include "settings/settings_values.h"
#include "settings/web_server.h"

namespace strohvik {

// The process-wide values, plain strings as the rest of the program reads them.
struct TAppState {
  std::string programVersion = kProgramVersion;
  SettingsDialogState settingsDialog;
  SettingsValues settings;
  LoadedMod mod;           // mod.modPath empty: no mod is loaded
  std::string treeFolder;  // the folder the folder tree lists, ending in "\"; empty: none
  std::string deleteAfterBackup = "NEIN";
  WorkingFolders folders = WorkingFolders::Current();
  WebServer server = ServerFromEnvironment();  // read once, at start
};

struct TAppContext {
  TGui& gui;
  TAppState state;
  // Set by the handler that ends the run; the loop returns it.
  std::optional<int> exitCode;

  TGadget& Gadget(const std::string& name) const { return gui.Get(name); }
  void EndProgram(int code) { exitCode = code; }
};

}  // namespace strohvik
