#pragma once
// The program search path of one test: a folder of its own, holding an executable
// "wine" or not, so the game start finds wine (or misses it) whatever the machine has.
// The scripted system driver only records the start, so the file is never run.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace strohvik {

class FakeSearchPath {
 public:
  FakeSearchPath(const std::filesystem::path& folder, bool withWine) : wine_(folder / "wine") {
    if (const char* path = std::getenv("PATH")) saved_ = path;
    std::filesystem::create_directories(folder);
    if (withWine) {
      std::ofstream(wine_) << "#!/bin/sh\n";
      std::filesystem::permissions(wine_, std::filesystem::perms::owner_all);
    }
    ::setenv("PATH", folder.c_str(), 1);
  }
  ~FakeSearchPath() {
    if (saved_) ::setenv("PATH", saved_->c_str(), 1);
    else ::unsetenv("PATH");
  }
  FakeSearchPath(const FakeSearchPath&) = delete;
  FakeSearchPath& operator=(const FakeSearchPath&) = delete;

  std::string Wine() const { return wine_.string(); }

 private:
  std::filesystem::path wine_;
  std::optional<std::string> saved_;
};

}  // namespace strohvik
