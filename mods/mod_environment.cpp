#include "mods/mod_environment.h"

#include <iostream>

#include "mods/temp_folder_copies.h"

namespace strohvik {

ModEnvironment ModEnvironment::For(const WorkingFolders& folders) {
  return ModEnvironment{folders, folders.Tools() + "\\ddsConverter.exe", SystemProcessRunner(),
                        [](const std::string& line) { std::cout << line << std::endl; }, nullptr, nullptr};
}

std::shared_ptr<EntryCopies> ModEnvironment::Copies() const {
  if (copies) return copies;
  return std::make_shared<TempFolderCopies>(folders, converterProgram, processes);
}

}  // namespace strohvik
