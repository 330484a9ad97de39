#include "mods/repack.h"

#include "mods/repack_checks.h"
#include "mods/repack_copy.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"

namespace strohvik {
namespace {

// The exit code stays in the text as a detail for whoever helps the player.
std::string ArchiverFailure(const ProcessResult& result) {
  if (!result.started) return std::string("Fehler: 7-Zip konnte nicht gestartet werden") + kModUnchanged;
  const std::string code = " (Code " + std::to_string(result.exitCode) + ")";
  if (result.exitCode > 128) return "Fehler: 7-Zip wurde beim Packen abgebrochen" + code + kModUnchanged;
  return "Fehler: 7-Zip konnte den Mod nicht packen" + code + kModUnchanged;
}

// Runs the archiver on the copy and checks its work; "" when the copy may replace the
// original.
std::string PackIntoCopy(const WorkingFolders& folders, const std::string& archive, RepackCopy& copy,
                         const std::vector<std::string>& editedFiles, ProcessRunner& runner) {
  std::vector<std::string> names;
  if (!ListEntryNames(archive, names)) return "Fehler: " + archive + " ist kein vorhandenes Zip-Archiv.";
  std::string problem = RepackRefusal(archive, names, editedFiles);
  if (!problem.empty()) return problem;
  if (!copy.Make()) return std::string("Fehler: Die Arbeitskopie des Mods konnte nicht angelegt werden") + kModUnchanged;
  const ProcessResult result = runner.Run(RepackArguments(folders, copy.Path(), editedFiles), folders.workingDirectory);
  if (!result.started || result.exitCode != 0) return ArchiverFailure(result);
  // The disk writes the new archive while we read it back.
  StartWritingToDisk(copy.Path());
  problem = RepackedCopyProblem(copy.Path(), names, editedFiles);
  if (!problem.empty()) return problem;
  if (!copy.ReplaceOriginal()) return "Fehler: Der gepackte Mod konnte " + archive + " nicht ersetzen" + kModUnchanged;
  return "";
}

}  // namespace

std::string ArchiverPath(const WorkingFolders& folders) { return JoinPath(folders.Tools(), "7z.exe"); }

std::vector<std::string> RepackArguments(const WorkingFolders& folders, const std::string& archive,
                                         const std::vector<std::string>& editedFiles) {
  std::vector<std::string> arguments = {AbsoluteHostPath(ArchiverPath(folders)), "u", "-tzip", "-spd", "-ux2z2", "-y",
                                        AbsoluteHostPath(archive)};
  for (const std::string& file : editedFiles) arguments.push_back(AbsoluteHostPath(file));
  return arguments;
}

std::string Repack(const WorkingFolders& folders, const std::string& archive,
                   const std::vector<std::string>& editedFiles, ProcessRunner& runner) {
  if (editedFiles.empty()) return "";
  if (!IsFile(ArchiverPath(folders))) return "Fehler: 7-Zip fehlt (" + ArchiverPath(folders) + ").";
  RepackCopy copy(archive);
  const std::string failure = PackIntoCopy(folders, archive, copy, editedFiles, runner);
  if (failure.empty()) return "";
  const std::string left = copy.Discard();
  return left.empty() ? failure : failure + " Eine Zwischenkopie liegt noch in " + left + ".";
}

}  // namespace strohvik
