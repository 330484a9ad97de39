// Arbitrary bytes as a mod archive, read as the window reads one (copies in the temp
// folder, no converter) and as the batch inspector reads one (copies in memory). Nothing
// is written beside the temp folder, whatever names the archive holds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "mods/folder_clearing.h"
#include "mods/mod_reading.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/scratch_folder.h"
#include "tools/inspect/inspection_record.h"
#include "tools/inspect/inspector_environment.h"

namespace {

constexpr char kArchiveName[] = "input.zip";

// The window's set-up for the whole run; its scratch folder goes when the run ends.
struct Window {
  strohvik::ScratchFolder scratch{"fuzz_mod"};
  strohvik::WorkingFolders folders{strohvik::SystemPath(scratch.HostPath())};
  bool tempFolderMade = strohvik::CreateFolderWithParents(folders.Temp());
  // No converter: only the copies are of interest here.
  strohvik::ModEnvironment environment{folders, folders.Tools() + "\\ddsConverter.exe", nullptr, nullptr, nullptr,
                                       nullptr};
  std::string archive = scratch.HostPath() + "/" + kArchiveName;
  std::vector<std::string> names = strohvik::ListFolder(scratch.HostPath());  // the temp folder
};

Window& TheWindow() {
  static Window window;
  return window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace strohvik;
  Window& window = TheWindow();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!WriteFileAtomically(window.archive, bytes, Durability::Scratch)) return 0;
  ClearTempFolder(window.folders);
  LoadedMod mod;
  ReadMod(window.environment, mod, SystemPath(window.archive));
  InspectArchive(InspectorEnvironment(), window.archive);
  DeleteFile(window.archive);
  if (ListFolder(window.scratch.HostPath()) != window.names) std::abort();
  return 0;
}
