#pragma once
// Deleting, installing and backing up the loaded mod archive as a whole. The operations
// work on plain values and return what the window has to show; they never touch a gadget.
//
// No mod is ever lost: a copy goes to a temporary name beside its target and is renamed
// over it only when complete, a copy of a file onto itself is skipped, and a source is
// deleted after a backup only when its copy was verified.

#include <optional>
#include <string>
#include <vector>

#include "mods/working_folders.h"

namespace strohvik {

// What the window does once an operation has run, in this order: enable Window1 and
// hide the named window, refresh the folder tree, reset the mod page, then show status.
struct FileOperationOutcome {
  std::string windowToHide;             // designer name; empty: the window stays open
  bool refreshFolderTree = false;       // FillFolderTree(tree folder)
  bool resetDisplay = false;            // ResetDisplay: no mod is loaded any more
  std::string status;                   // for Label41; empty: leave it as it is
  std::vector<std::string> traceLines;  // for standard output
};

// What a confirmation window shows when it opens.
struct ConfirmationContent {
  std::string title;     // Label39 of the backup window (the mod's title)
  std::string fileName;  // TextField9, TextField9_c10, Label40
  std::string folder;    // TextField15, TextField16
  // The picture panel: nullopt leaves it as it was, "" shows no picture, else the file.
  std::optional<std::string> storePicture;
};

// The file the store picture panels show: the temp copy of the store picture, or "" when
// there is none.
std::string StorePictureCopy(const WorkingFolders& folders, const std::string& storePictureName);

// Delete window ChildWindow4. The button form shows "\" separators and the picture; the
// menu form shows the folder with "/" and leaves the picture as it was.
ConfirmationContent ShowDeleteWindow(bool buttonForm, const WorkingFolders& folders, const std::string& modPath,
                                     const std::string& storePictureName);
// Deletes the loaded archive: the mod path alone, and only when it is a regular file.
FileOperationOutcome DeleteLoadedMod(const std::string& modPath);

// Install window ChildWindow4_c5.
ConfirmationContent ShowInstallWindow(bool buttonForm, const WorkingFolders& folders, const std::string& modPath,
                                      const std::string& modsFolder, const std::string& storePictureName);
// Copies the loaded archive into the mods folder, replacing a file of the same name.
FileOperationOutcome InstallLoadedMod(const std::string& modPath, const std::string& modsFolder);

// Backup category window ChildWindow13; the delete-after-backup flag is set by the caller.
ConfirmationContent ShowBackupWindow(const WorkingFolders& folders, const std::string& modPath,
                                     const std::string& title, const std::string& storePictureName);

struct BackupRequest {
  std::string modPath;
  std::string treeFolder;
  std::string fileName;                       // Label40: the archive's file name
  std::optional<std::string> categoryFolder;  // CategoryFolderOf the chosen node
  std::string backupFolder;
  std::string deleteAfterBackup;  // "JA": move, "NEIN": copy
};
// Copies (or moves) tree folder + file name into the category folder. When the copy
// fails, the category folders made for it are removed again while still empty.
FileOperationOutcome BackupIntoCategory(const BackupRequest& request);

}  // namespace strohvik
