#include "mods/description_problem.h"

#include "mods/mod_texts.h"
#include "mods/open_archive.h"
#include "platform/text.h"
#include "xml/xml_limits.h"
#include "zip/zip_limits.h"
#include "zip/zip_reader.h"

namespace strohvik {
namespace {

constexpr char kDescriptionName[] = "modDesc.xml";

std::string TooLarge(int64_t bytes) {
  return "Die modDesc.xml ist zu groß (" + (bytes < 0 ? std::string("über 2 GB") : SizeInWords(bytes)) +
         ") und wird nicht gelesen.";
}

ZipEntryPtr DescriptionEntry(const ZipReader& reader) {
  for (int index = 0; index < reader.getFileCount(); ++index) {
    ZipEntryPtr entry = reader.getFileInfo(index);
    if (EqualsIgnoringAsciiCase(entry->zipFileName, kDescriptionName)) return entry;
  }
  return nullptr;
}

}  // namespace

std::string WhyNoDescription(const ModEnvironment& environment, const std::string& modPath) {
  const auto reader = environment.archive ? environment.archive->Reader(modPath) : OpenModArchive(modPath);
  const ZipEntryPtr entry = reader ? DescriptionEntry(*reader) : nullptr;
  if (!entry || entry->IsDirectory()) return kNoModDescription;
  const SZIPCentralFileHeader& header = entry->header;
  if (header.GeneralBitFlag & kZipEncryptedFlag) return "Die modDesc.xml ist verschlüsselt und kann nicht gelesen werden.";
  if (header.CompressionMethod != kZipStored && header.CompressionMethod != kZipDeflated) {
    return "Die modDesc.xml ist mit einem Verfahren gepackt, das Strohvik nicht lesen kann (Methode " +
           std::to_string(header.CompressionMethod) + ").";
  }
  const int64_t size = header.DataDescriptor.UncompressedSize;
  if (size < 0 || size > kDefaultExtractLimit) return TooLarge(size);
  const int64_t free = environment.Copies()->FreeSpace();
  if (free >= 0 && free < size + (64 << 10)) {
    return "Der Temp Ordner ist voll: Die modDesc.xml (" + SizeInWords(size) + ") passt nicht hinein.";
  }
  return kUnreadableModDescription;
}

std::string WhyUnreadableDescription(int64_t copySize) {
  return copySize > kMaxDocumentBytes ? TooLarge(copySize) : kUnreadableModDescription;
}

}  // namespace strohvik
