#pragma once
// What the reading of a mod needs from its surroundings: the folders it copies entries
// into, the texture converter it runs, how it starts programs and where its trace lines
// go. The app uses its working directory, the tests a folder of their own; the batch
// inspector keeps its copies in memory.

#include <functional>
#include <memory>
#include <string>

#include "mods/entry_copies.h"
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
  // Where the reading keeps its copies; none: as files in the temp folder, for the
  // converter and the picture panel.
  std::shared_ptr<EntryCopies> copies;

  // copies, or the temp folder's when there are none.
  std::shared_ptr<EntryCopies> Copies() const;

  // The app's own set-up: the converter in the Tools folder, real processes, trace
  // lines on standard output.
  static ModEnvironment For(const WorkingFolders& folders);
};

}  // namespace strohvik
