#include "tools/inspect/inspector_environment.h"

#include <memory>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/running_program.h"
#include "tools/inspect/built_in_converter.h"

namespace strohvik {

ModEnvironment InspectorEnvironment(const ScratchFolder& scratch) {
  const WorkingFolders folders{SystemPath(scratch.HostPath())};
  CreateFolderWithParents(folders.Temp());
  // No trace lines: standard output carries the report. The program's own file holds the
  // converter, so it stands for the converter program that must be present.
  return ModEnvironment{folders, OwnProgramFile(), std::make_shared<BuiltInConverter>(), nullptr, nullptr};
}

}  // namespace strohvik
