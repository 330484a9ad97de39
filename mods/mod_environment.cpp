#include "mods/mod_environment.h"

#include <iostream>

namespace strohvik {

ModEnvironment ModEnvironment::For(const WorkingFolders& folders) {
  return ModEnvironment{folders, folders.Tools() + "\\ddsConverter.exe", SystemProcessRunner(),
                        [](const std::string& line) { std::cout << line << std::endl; }, nullptr};
}

}  // namespace strohvik
