#include "mods/temp_folder_copies.h"

#include <utility>

#include "mods/picture_check.h"
#include "mods/temp_copy.h"
#include "platform/file_system.h"

namespace strohvik {

TempFolderCopies::TempFolderCopies(WorkingFolders folders, std::string converterProgram,
                                   std::shared_ptr<ProcessRunner> processes)
    : folders_(std::move(folders)), converterProgram_(std::move(converterProgram)), processes_(std::move(processes)) {}

bool TempFolderCopies::Copy(ZipReader& reader, const SZipFileEntry& entry, const std::string& name) {
  const auto path = TempCopyPath(folders_, name);
  return path && reader.ExtractFileToDisk(entry.zipFileName, *path, 0, "") == 1;
}

// The converter gets the name as its one argument and looks in the temp folder itself;
// its exit code is not looked at, whether a PNG appeared is what counts. No shell sees
// the name, so whatever the description wrote (blanks, ";", "$(...)") stays plain text.
bool TempFolderCopies::ConvertTexture(const std::string& name) {
  if (!ConverterPresent()) return false;
  processes_->Run({converterProgram_, name}, folders_.workingDirectory);
  return true;
}

bool TempFolderCopies::ConverterPresent() const { return IsFile(converterProgram_); }

int64_t TempFolderCopies::Size(const std::string& name) const {
  const auto path = TempCopyPath(folders_, name);
  return path && IsFile(*path) ? FileSize(*path) : -1;
}

bool TempFolderCopies::OpenDocument(XMLFile& document, const std::string& name) const {
  const auto path = TempCopyPath(folders_, name);
  if (!path) {
    document.Create();
    return false;
  }
  return document.Open(*path) == 1;
}

bool TempFolderCopies::CanShowPicture(const std::string& name) const {
  const auto path = TempCopyPath(folders_, name);
  return path && strohvik::CanShowPicture(*path);
}

int64_t TempFolderCopies::FreeSpace() const { return strohvik::FreeSpace(folders_.Temp()); }

}  // namespace strohvik
