#include "tools/inspect/archive_contents.h"

#include <string>
#include <string_view>

#include "platform/paths.h"
#include "platform/text.h"

namespace strohvik {
namespace {

constexpr std::string_view kDescriptionName = "modDesc.xml";

struct Contents {
  bool topDescription = false;
  std::string nestedDescription;  // the first one found in a folder
  std::string innerArchive;       // the first zip archive found inside
};

Contents ContentsOf(const ZipReader& reader) {
  Contents contents;
  for (int index = 0; index < reader.getFileCount(); ++index) {
    const ZipEntryPtr entry = reader.getFileInfo(index);
    const std::string& name = entry->zipFileName;
    if (entry->IsDirectory()) continue;
    if (EqualsIgnoringAsciiCase(name, kDescriptionName)) {
      contents.topDescription = true;
    } else if (EqualsIgnoringAsciiCase(FilePart(name), kDescriptionName) && contents.nestedDescription.empty()) {
      contents.nestedDescription = name;
    } else if (EndsWithIgnoringAsciiCase(name, ".zip") && contents.innerArchive.empty()) {
      contents.innerArchive = name;
    }
  }
  return contents;
}

}  // namespace

Problems ContentProblems(const ZipReader& reader) {
  const Contents contents = ContentsOf(reader);
  if (contents.topDescription) return {};
  if (!contents.innerArchive.empty()) {
    return {{"mod-pack", "Das ist ein Mod-Paket mit weiteren ZIP-Archiven (z. B. „" + contents.innerArchive +
                             "“). Bitte erst entpacken und die einzelnen Mods in den Mods-Ordner legen."}};
  }
  if (!contents.nestedDescription.empty()) {
    return {{"nested", "Die modDesc.xml liegt in einem Unterordner („" + contents.nestedDescription +
                           "“). Das Spiel sucht sie ganz oben im Archiv: Bitte den Inhalt des Ordners neu packen."}};
  }
  return {{"no-moddesc", "Das Archiv enthält keine modDesc.xml. Ohne sie ist es kein Mod für das Spiel."}};
}

std::optional<Problem> DamageProblem(ZipReader& reader) {
  int damaged = 0;
  std::string first;
  for (int index = 0; index < reader.getFileCount(); ++index) {
    const ZipEntryPtr entry = reader.getFileInfo(index);
    if (entry->IsDirectory() || reader.CheckEntry(index)) continue;
    if (damaged++ == 0) first = entry->zipFileName;
  }
  if (damaged == 0) return std::nullopt;
  return Problem{"damaged", "Das Archiv ist beschädigt: " + std::to_string(damaged) +
                                (damaged == 1 ? " Datei ist" : " Dateien sind") + " nicht lesbar, zuerst „" + first +
                                "“. Bitte den Mod neu herunterladen."};
}

}  // namespace strohvik
