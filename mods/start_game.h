#pragma once
// Starting the game from its folder and waiting for its end. On this platform a Windows
// executable runs through "wine", looked up in the program search path.

#include <string>

#include "mods/working_folders.h"
#include "platform/process.h"
#include "settings/settings_values.h"

namespace strohvik {

inline constexpr const char* kGameExecutable = "FarmingSimulator2011.exe";

struct StartGameOutcome {
  bool endProgram = false;  // the game ran and has ended: the system ends with exit code 0
  std::string status;       // for Label41 when the game could not be started
};

// The "PATH" of the environment.
std::string ProgramSearchPath();
// The first executable file of that name in a ":"-separated search path, as a host
// path; empty when there is none.
std::string FindProgram(const std::string& name, const std::string& searchPath);

// Runs game folder + FarmingSimulator2011.exe without arguments in the working
// directory and waits for it. A game that cannot be started is reported instead of
// ending the system, so the user learns why.
StartGameOutcome StartGame(const std::string& gameFolder, const WorkingFolders& folders, ProcessRunner& runner,
                           const std::string& searchPath);

}  // namespace strohvik
