#include "tools/inspect/inspector_environment.h"

#include <memory>

#include "tools/inspect/memory_copies.h"

namespace strohvik {

ModEnvironment InspectorEnvironment() {
  ModEnvironment environment;
  environment.archive = std::make_shared<OpenArchive>();
  environment.copies = std::make_shared<MemoryCopies>();
  return environment;
}

}  // namespace strohvik
