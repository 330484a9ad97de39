#pragma once
// The inspector's own working directory: a fresh folder under the system's temporary
// directory, removed with everything in it when the run ends. The app's folders are
// never used, so an inspection cannot disturb a loaded mod.

#include <string>

namespace strohvik {

class ScratchFolder {
 public:
  // Throws std::runtime_error when no folder can be made.
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& HostPath() const { return path_; }

 private:
  std::string path_;
};

}  // namespace strohvik
