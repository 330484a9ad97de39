#pragma once
// A fresh folder under the system's temporary directory (TMPDIR, else /tmp) for a
// program's scratch files, removed with everything in it when the object goes. Nothing
// in it is flushed to disk: nobody needs it after a crash.

#include <string>

namespace strohvik {

class ScratchFolder {
 public:
  // The folder's name is the prefix, a hyphen and six random characters. Throws a
  // std::runtime_error when no folder can be made there.
  explicit ScratchFolder(const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& HostPath() const { return path_; }

 private:
  std::string path_;
};

}  // namespace strohvik
