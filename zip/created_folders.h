#pragma once
// Creates a folder with its missing parents for a file about to be written, and removes
// again what it created when the write fails, so a failed extraction leaves nothing.

#include <string>
#include <vector>

namespace strohvik {

class CreatedFolders {
 public:
  // An empty folder stands for the current one, which exists.
  explicit CreatedFolders(const std::string& folder);
  ~CreatedFolders();
  CreatedFolders(const CreatedFolders&) = delete;
  CreatedFolders& operator=(const CreatedFolders&) = delete;

  bool Exists() const { return exists_; }
  // The write succeeded: the folders stay.
  void Keep() { created_.clear(); }

 private:
  std::vector<std::string> created_;  // deepest first
  bool exists_;
};

}  // namespace strohvik
