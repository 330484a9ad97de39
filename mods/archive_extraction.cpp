#include "mods/archive_extraction.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "mods/open_archive.h"
#include "mods/temp_copy.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tools/dds_converter/dds_header.h"
#include "zip/zip_reader.h"

namespace strohvik {
namespace {

// Only a picture may be stood in for by its DDS texture; a vehicle file tractor.xml
// must not turn into tractor.dds.
bool IsPictureName(const std::string& lowerCaseName) {
  static constexpr std::array<std::string_view, 6> kPictureExtensions{"dds", "png", "jpg", "jpeg", "bmp", "tga"};
  const std::string extension = Extension(lowerCaseName);
  for (const auto picture : kPictureExtensions) {
    if (extension == picture) return true;
  }
  return false;
}

// A folder entry is never copied: the copies are files only.
bool CopyEntry(EntryCopies& copies, ZipReader& reader, const SZipFileEntry& entry, const std::string& name) {
  return !entry.IsDirectory() && copies.Copy(reader, entry, name);
}

// The converter refuses a texture larger than the window shows from its header alone;
// copying its hundred megabytes and more out of the archive first would freeze the
// window for nothing.
bool WithinPictureLimit(ZipReader& reader, const SZipFileEntry& entry) {
  if (!reader.OpenEntry(entry.zipFileName, 1, "")) return true;  // the copy then fails for the same reason
  std::string start(size_t(kDdsHeaderSize), '\0');
  const int got = reader.ReadEntry(start.data(), unsigned(start.size()));
  reader.CloseEntry();
  start.resize(size_t(std::max(got, 0)));
  return DdsWithinPictureLimit(start);
}

// A texture beyond the limit counts as found; it is never copied, so it is reported as
// a picture that cannot be shown.
bool CopyDdsAndConvert(EntryCopies& copies, ZipReader& reader, const SZipFileEntry& entry,
                       const std::string& targetName) {
  const auto copyName = TempCopyName(targetName);
  if (!copyName) return false;
  if (!WithinPictureLimit(reader, entry)) return true;
  const std::string ddsName = WithoutExtension(*copyName) + ".dds";
  if (!CopyEntry(copies, reader, entry, ddsName)) return false;
  copies.ConvertTexture(ddsName);
  return true;
}

bool CopyMatchingEntry(const ModEnvironment& environment, const std::string& archivePath,
                       const std::string& wantedName, const std::string& targetName) {
  const auto reader = environment.archive ? environment.archive->Reader(archivePath) : OpenModArchive(archivePath);
  if (!reader) return false;
  const std::string wanted = AsciiLower(wantedName);
  // The texture of the same name without extension; none when no picture is wanted.
  const std::string ddsStandIn = IsPictureName(wanted) ? WithoutExtension(wanted) + ".dds" : std::string();
  const std::shared_ptr<EntryCopies> copies = environment.Copies();
  for (int index = 0; index < reader->getFileCount(); ++index) {
    const auto entry = reader->getFileInfo(index);
    const std::string& stored = entry->zipFileName;
    if (!ddsStandIn.empty() && EqualsIgnoringAsciiCase(stored, ddsStandIn)) {
      return CopyDdsAndConvert(*copies, *reader, *entry, targetName);
    }
    if (EqualsIgnoringAsciiCase(stored, wanted)) return CopyEntry(*copies, *reader, *entry, targetName);
  }
  return false;
}

}  // namespace

std::string ExtractFromArchive(const ModEnvironment& environment, LoadedMod& mod, const std::string& archivePath,
                               const std::string& wantedName, const std::string& targetName) {
  mod.foundFlag = CopyMatchingEntry(environment, archivePath, wantedName, targetName) ? "JA" : "NEIN";
  return mod.foundFlag;
}

}  // namespace strohvik
