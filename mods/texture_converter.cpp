#include "mods/texture_converter.h"

#include "platform/file_system.h"

namespace strohvik {

bool ConvertTexture(const ModEnvironment& environment, const std::string& name) {
  if (!IsFile(environment.converterProgram)) return false;
  // The name is one argument and no shell sees it, so whatever the description wrote
  // (blanks, ";", "$(...)") reaches the converter as plain text.
  environment.processes->Run({environment.converterProgram, name}, environment.folders.workingDirectory);
  return true;
}

}  // namespace strohvik
