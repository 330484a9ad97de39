#pragma once
// Starting the game from its folder and waiting for its end, as the platform starts a
// Windows program (through "wine" from the search path where it is no Windows).

#include <string>

#include "mods/working_folders.h"
#include "platform/process.h"
#include "platform/program_search.h"
#include "settings/settings_values.h"

namespace strohvik {

inline constexpr const char* kGameExecutable = "FarmingSimulator2011.exe";

struct StartGameOutcome {
  bool endProgram = false;  // the game ran and has ended: the system ends with exit code 0
  std::string status;       // for Label41 when the game could not be started
};

// Runs game folder + FarmingSimulator2011.exe without arguments in the working
// directory and waits for it. A game that cannot be started is reported instead of
// ending the system, so the user learns why.
StartGameOutcome StartGame(const std::string& gameFolder, const WorkingFolders& folders, ProcessRunner& runner,
                           const std::string& searchPath);

}  // namespace strohvik
