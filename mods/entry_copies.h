#pragma once
// Where the reading of a mod keeps what it takes out of the archive: the description,
// the store picture (or the PNG the converter makes of its texture) and the vehicle
// file. Names are those the archive or the description gives; only their file part
// counts (TempCopyName), and a name that has none stands for no copy.

#include <cstdint>
#include <string>

#include "xml/xml_file.h"
#include "zip/zip_reader.h"

namespace strohvik {

class EntryCopies {
 public:
  virtual ~EntryCopies() = default;

  // Copies the entry under name; false when nothing was copied (a damaged entry, no
  // room, a name that names no copy).
  virtual bool Copy(ZipReader& reader, const SZipFileEntry& entry, const std::string& name) = 0;
  // Has the converter turn the texture copied under name into (base name) + ".png".
  // False when there is no converter.
  virtual bool ConvertTexture(const std::string& name) = 0;
  virtual bool ConverterPresent() const = 0;

  // The copy's size in bytes; -1 when there is no such copy.
  virtual int64_t Size(const std::string& name) const = 0;
  // Reads the copy into the document; false when it is missing or the reader refuses it.
  virtual bool OpenDocument(XMLFile& document, const std::string& name) const = 0;
  // Whether the picture panel could show the copy.
  virtual bool CanShowPicture(const std::string& name) const = 0;
  // The room left for copies in bytes; -1 when unknown.
  virtual int64_t FreeSpace() const = 0;
};

}  // namespace strohvik
