#include "mods/start_game.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"
#include "settings/folder_value.h"

namespace strohvik {

StartGameOutcome StartGame(const std::string& gameFolder, const WorkingFolders& folders, ProcessRunner& runner,
                           const std::string& searchPath) {
  StartGameOutcome outcome;
  if (!IsFolderSet(gameFolder)) {
    outcome.status = "Fehler: Kein Spiele Ordner eingestellt (Einstellungen > Programm).";
    return outcome;
  }
  const std::string game = JoinPath(gameFolder, kGameExecutable);
  if (!IsFile(game)) {
    outcome.status = "Fehler: " + game + " nicht gefunden.";
    return outcome;
  }
  const std::vector<std::string> command = WindowsProgramCommand(AbsoluteHostPath(game), searchPath);
  if (command.empty()) {
    outcome.status = "Fehler: Das Spiel braucht wine, und wine ist nicht installiert.";
    return outcome;
  }
  const ProcessResult result = runner.Run(command, folders.workingDirectory);
  outcome.endProgram = result.started;
  // Named by the program that failed: "wine" where it starts the game.
  if (!result.started) outcome.status = "Fehler: " + FilePart(command.front()) + " konnte nicht gestartet werden.";
  return outcome;
}

}  // namespace strohvik
