#pragma once
// The hidden copy of a mod archive that the archiver updates in its stead, beside the
// original so that the final rename is atomic. Whatever happens, the original stays as
// it was until a verified copy replaces it, and no copy is left behind.

#include <string>

namespace strohvik {

class RepackCopy {
 public:
  explicit RepackCopy(std::string archive);
  ~RepackCopy();
  RepackCopy(const RepackCopy&) = delete;
  RepackCopy& operator=(const RepackCopy&) = delete;

  // A scratch copy: it is flushed only once it is to replace the original.
  bool Make();
  const std::string& Path() const { return path_; }
  // Flushes the copy, renames it over the original, and flushes the folder.
  bool ReplaceOriginal();
  // Removes the copy and what the archiver left beside it (its ".tmp" files); returns
  // the first that could not be removed, "" when none is left.
  std::string Discard();

 private:
  std::string archive_;
  std::string path_;
  bool replaced_ = false;
};

}  // namespace strohvik
