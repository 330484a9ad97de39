#include "mods/file_operations.h"

#include <algorithm>
#include <optional>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/folder_value.h"
#include "zip/created_folders.h"

namespace strohvik {
namespace {

constexpr const char* kDeleteWindow = "ChildWindow4";
constexpr const char* kInstallWindow = "ChildWindow4_c5";
constexpr const char* kBackupWindow = "ChildWindow13";
constexpr const char* kNoErrors = "Keine Fehler.";

std::string Replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// The copy is made under a temporary name beside the target and checked there, so the
// target is replaced only by a complete copy. The content is compared where the source
// is about to be deleted. The copy and then its name are on disk before this returns,
// so that a power cut after a source is deleted still finds the copy.
bool CopyVerified(const std::string& source, const std::string& target, bool compareContent) {
  const std::string partial = target + ".~copy";
  const bool copied = CopyFileReplacing(source, partial, Durability::Durable) && FileSize(partial) == FileSize(source) &&
                      (!compareContent || SameContent(source, partial)) && RenameReplacing(partial, target);
  if (!copied) DeleteFile(partial);
  return copied && FlushToDisk(FolderPart(target));
}

FileOperationOutcome Closing(const char* window, std::string status = "") {
  FileOperationOutcome outcome;
  outcome.windowToHide = window;
  outcome.status = std::move(status);
  return outcome;
}

std::string ModFolderShown(bool buttonForm, const std::string& modPath) {
  const std::string folder = Replaced(FolderPart(modPath), '\\', '/') + "\\";
  return buttonForm ? Replaced(folder, '/', '\\') : folder;
}

// Copies the mod into the category folder, made as needed; nothing when the copy is there,
// else why not. The folders made for a copy that failed go again.
std::optional<std::string> FailedBackupCopy(const std::string& source, const std::string& folder,
                                            const std::string& target, bool move) {
  CreatedFolders category(folder);
  if (!category.Exists()) return "Fehler: Ordner " + folder + " kann nicht angelegt werden; kein Backup erstellt.";
  if (SameFile(source, target)) return "Der Mod liegt bereits in dieser Kategorie: " + target;
  if (!CopyVerified(source, target, move)) {
    return "Fehler: Backup nach " + target + " fehlgeschlagen; der Mod bleibt, wo er ist.";
  }
  category.Keep();
  return std::nullopt;
}

}  // namespace

std::string StorePictureCopy(const WorkingFolders& folders, const std::string& storePictureName) {
  if (storePictureName.empty() || storePictureName == "0") return "";
  const std::string copy = JoinPath(folders.Temp(), FilePart(storePictureName));
  return IsFile(copy) ? copy : "";
}

ConfirmationContent ShowDeleteWindow(bool buttonForm, const WorkingFolders& folders, const std::string& modPath,
                                     const std::string& storePictureName) {
  ConfirmationContent content;
  content.fileName = FilePart(modPath);
  content.folder = ModFolderShown(buttonForm, modPath);
  if (buttonForm) content.storePicture = StorePictureCopy(folders, storePictureName);
  return content;
}

FileOperationOutcome DeleteLoadedMod(const std::string& modPath) {
  const FileKind kind = KindOf(modPath);
  if (kind == FileKind::Folder) {
    return Closing(kDeleteWindow, "Fehler: " + modPath + " ist kein Mod-Archiv und wird nicht gelöscht.");
  }
  if (kind == FileKind::File && !DeleteFile(modPath)) {
    return Closing(kDeleteWindow, "Fehler: " + modPath + " konnte nicht gelöscht werden.");
  }
  FileOperationOutcome outcome = Closing(kDeleteWindow, kNoErrors);
  outcome.refreshFolderTree = true;
  outcome.resetDisplay = true;
  return outcome;
}

ConfirmationContent ShowInstallWindow(bool buttonForm, const WorkingFolders& folders, const std::string& modPath,
                                      const std::string& modsFolder, const std::string& storePictureName) {
  ConfirmationContent content;
  content.fileName = FilePart(modPath);
  content.folder = buttonForm ? modsFolder : modsFolder + "\\";
  if (buttonForm) content.storePicture = StorePictureCopy(folders, storePictureName);
  return content;
}

FileOperationOutcome InstallLoadedMod(const std::string& modPath, const std::string& modsFolder) {
  if (!IsFolderSet(modsFolder)) {
    return Closing(kInstallWindow, "Fehler: Kein Mods Ordner eingestellt (Einstellungen > Programm).");
  }
  const std::string target = JoinPath(modsFolder, FilePart(modPath));
  FileOperationOutcome outcome = Closing(kInstallWindow);
  outcome.traceLines.push_back(target);
  if (!IsFile(modPath)) {
    outcome.status = "Fehler: Mod-Archiv " + modPath + " nicht gefunden.";
  } else if (SameFile(modPath, target)) {
    outcome.status = "Der Mod liegt bereits im Mods Ordner: " + target;
  } else if (!CopyVerified(modPath, target, false)) {
    outcome.status = "Fehler: Installieren nach " + target + " fehlgeschlagen; nichts geändert.";
  }
  return outcome;
}

ConfirmationContent ShowBackupWindow(const WorkingFolders& folders, const std::string& modPath,
                                     const std::string& title, const std::string& storePictureName) {
  ConfirmationContent content;
  content.title = title;
  content.fileName = FilePart(modPath);
  content.storePicture = StorePictureCopy(folders, storePictureName);
  return content;
}

FileOperationOutcome BackupIntoCategory(const BackupRequest& request) {
  if (!IsFolderSet(request.backupFolder)) {
    return Closing(kBackupWindow, "Fehler: Kein Backup Ordner eingestellt (Einstellungen > Programm).");
  }
  if (!request.categoryFolder) return {};
  const std::string& folder = *request.categoryFolder;
  const std::string source = JoinPath(request.treeFolder, request.fileName);
  const std::string target = JoinPath(folder, request.fileName);
  const bool move = request.deleteAfterBackup == "JA";

  FileOperationOutcome outcome = Closing(kBackupWindow);
  outcome.refreshFolderTree = true;
  outcome.traceLines.push_back(source + "<>" + target);
  if (!IsFile(source)) {
    outcome.status = "Fehler: " + source + " nicht gefunden; kein Backup erstellt.";
  } else if (auto failure = FailedBackupCopy(source, folder, target, move)) {
    outcome.status = *failure;
  } else if (move && !SameFile(source, request.modPath)) {
    outcome.status = "Backup erstellt; " + source + " ist nicht der geladene Mod und bleibt erhalten.";
  } else if (move && !DeleteFile(source)) {
    outcome.status = "Backup erstellt, aber " + source + " konnte nicht gelöscht werden.";
  } else {
    outcome.resetDisplay = move;
  }
  return outcome;
}

}  // namespace strohvik
