#include "mods/working_folders.h"

#include "platform/file_system.h"

namespace strohvik {

WorkingFolders WorkingFolders::Current() { return WorkingFolders{CurrentDirectory()}; }

}  // namespace strohvik
