#include "mods/start_game.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"
#include "settings/folder_value.h"

namespace strohvik {

std::string ProgramSearchPath() {
  const char* path = std::getenv("PATH");
  return path ? path : "";
}

std::string FindProgram(const std::string& name, const std::string& searchPath) {
  size_t start = 0;
  while (start <= searchPath.size()) {
    const size_t end = std::min(searchPath.find(':', start), searchPath.size());
    // An empty element of PATH stands for the current directory.
    const std::string folder = end == start ? "." : searchPath.substr(start, end - start);
    const std::string candidate = folder + "/" + name;
    if (IsFile(SystemPath(candidate)) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

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
  const std::string wine = FindProgram("wine", searchPath);
  if (wine.empty()) {
    outcome.status = "Fehler: Das Spiel braucht wine, und wine ist nicht installiert.";
    return outcome;
  }
  std::error_code error;
  const auto absolute = std::filesystem::absolute(HostPath(game), error);
  const std::string gameHost = error ? HostPath(game) : absolute.string();
  const ProcessResult result = runner.Run({wine, gameHost}, folders.workingDirectory);
  outcome.endProgram = result.started;
  if (!result.started) outcome.status = "Fehler: wine konnte nicht gestartet werden.";
  return outcome;
}

}  // namespace strohvik
