// Arbitrary bytes as a mod archive, read as the batch inspector reads one: the
// description, the store picture converted in this process and the vehicle data. Nothing
// is written beside the temp folder, whatever names the archive holds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/scratch_folder.h"
#include "tools/inspect/inspection_record.h"
#include "tools/inspect/inspector_environment.h"

namespace {

constexpr char kArchiveName[] = "input.zip";

// The inspector's set-up for the whole run; its scratch folder goes when the run ends.
struct Inspector {
  strohvik::ScratchFolder scratch{"fuzz_mod"};
  strohvik::ModEnvironment environment = strohvik::InspectorEnvironment(scratch);
  std::string archive = scratch.HostPath() + "/" + kArchiveName;
  std::vector<std::string> names = strohvik::ListFolder(scratch.HostPath());  // the temp folder
};

Inspector& TheInspector() {
  static Inspector inspector;
  return inspector;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace strohvik;
  Inspector& inspector = TheInspector();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!WriteFileAtomically(inspector.archive, bytes, Durability::Scratch)) return 0;
  InspectArchive(inspector.environment, inspector.archive);
  DeleteFile(inspector.archive);
  if (ListFolder(inspector.scratch.HostPath()) != inspector.names) std::abort();
  return 0;
}
