#pragma once
// The window's copies: files in the temp folder, where the texture converter, a program
// of its own, finds the textures and the picture panel the pictures.

#include <memory>

#include "mods/entry_copies.h"
#include "mods/working_folders.h"
#include "platform/process.h"

namespace strohvik {

class TempFolderCopies : public EntryCopies {
 public:
  // converterProgram: the converter's path, present or not; processes start it.
  TempFolderCopies(WorkingFolders folders, std::string converterProgram, std::shared_ptr<ProcessRunner> processes);

  bool Copy(ZipReader& reader, const SZipFileEntry& entry, const std::string& name) override;
  bool ConvertTexture(const std::string& name) override;
  bool ConverterPresent() const override;
  int64_t Size(const std::string& name) const override;
  bool OpenDocument(XMLFile& document, const std::string& name) const override;
  bool CanShowPicture(const std::string& name) const override;
  int64_t FreeSpace() const override;

 private:
  WorkingFolders folders_;
  std::string converterProgram_;
  std::shared_ptr<ProcessRunner> processes_;
};

}  // namespace strohvik
