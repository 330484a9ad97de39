#pragma once
// What the reading of a mod needs from its surroundings: the folders it copies entries
// into, the texture converter it runs, how it starts programs and where its trace lines
// go. The app uses its working directory; the tests and the batch inspector a folder of
// their own.

#include <functional>
#include <memory>
#include <string>

#include "mods/open_archive.h"
#include "mods/working_folders.h"
#include "platform/process.h"

namespace strohvik {

using TraceSink = std::function<void(const std::string& line)>;

struct ModEnvironment {
  WorkingFolders folders;
  // Usually folders.Tools() + "\ddsConverter.exe"; present or not.
  std::string converterProgram;
  std::shared_ptr<ProcessRunner> processes;
  // Receives the application's trace lines ("Modpic>..."); the app sends them to
  // standard output.
  TraceSink trace;
  // The archive kept open while one mod is read; none: every copy opens it afresh.
  std::shared_ptr<OpenArchive> archive;

  // The app's own set-up: the converter in the Tools folder, real processes, trace
  // lines on standard output.
  static ModEnvironment For(const WorkingFolders& folders);
};

}  // namespace strohvik
