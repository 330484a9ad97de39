#pragma once
// The inspector's copies, kept in memory: its report says only what they hold, so
// nothing needs to reach a disk. The texture converter is its own: a texture counts as
// converted when its header is accepted, since every block and pixel of an accepted
// texture decodes to a colour, and decoding could only confirm what the header shows.

#include <map>
#include <set>
#include <string>

#include "mods/entry_copies.h"

namespace strohvik {

class MemoryCopies : public EntryCopies {
 public:
  bool Copy(ZipReader& reader, const SZipFileEntry& entry, const std::string& name) override;
  bool ConvertTexture(const std::string& name) override;
  bool ConverterPresent() const override { return true; }
  // The converter's pictures are no copies: they only show.
  int64_t Size(const std::string& name) const override;
  bool OpenDocument(XMLFile& document, const std::string& name) const override;
  bool CanShowPicture(const std::string& name) const override;
  int64_t FreeSpace() const override { return -1; }

 private:
  struct Stored {
    std::string bytes;  // all of the copy, or its start when it is too large to be read
    int64_t size = 0;
    bool Whole() const { return static_cast<int64_t>(bytes.size()) == size; }
  };

  const Stored* Find(const std::string& name) const;

  std::map<std::string, Stored> copies_;
  std::set<std::string> convertedPictures_;
};

}  // namespace strohvik
