#pragma once
// What every handler of the application works on: the toolkit with its gadgets, the
// process-wide values, and the request to end the run.

#include <optional>
#include <string>

#include "app/gui/gui.h"

namespace strohvik {

// The process-wide values, plain strings as the rest of the program reads them.
struct TAppState {
  std::string programVersion = "1.7.0";
  std::string startupCheckDone = "NEIN";  // "JA" once the start-up settings check has run
  std::string settingsDialogMode;         // "", "VERSION" or "NEW"
  std::string gameFolder;
  std::string modsFolder;
  std::string backupFolder;
  std::string modPath;     // empty: no mod is loaded
  std::string treeFolder;  // the folder the folder tree lists, ending in "\"
  std::string deleteAfterBackup = "NEIN";
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
