#include "tools/inspect/archive_check.h"

#include <fstream>
#include <memory>

#include "mods/mod_texts.h"
#include "mods/open_archive.h"
#include "platform/host_path.h"
#include "tools/inspect/archive_contents.h"
#include "tools/inspect/archive_name.h"

namespace strohvik {
namespace {

constexpr char kOnlyZip[] = " Das Spiel liest nur ZIP-Archive: Bitte entpacken und als ZIP packen.";

// The kind of archive the first bytes show, for the player to know what to unpack it with.
std::string ArchiveKind(std::ifstream& file) {
  std::string start(6, '\0');
  file.read(start.data(), static_cast<std::streamsize>(start.size()));
  if (start == std::string("Rar!\x1a\x07", 6)) return "ein RAR-Archiv";
  if (start == std::string("7z\xbc\xaf\x27\x1c", 6)) return "ein 7z-Archiv";
  return "";
}

Problems DescriptionProblems(const InspectionRecord& record) {
  if (!record.descriptionRead) {
    return {{"moddesc-unreadable", "Die modDesc.xml kann nicht gelesen werden: " + record.status}};
  }
  Problems problems;
  if (record.version.empty() || record.version == "0") {
    problems.push_back({"no-version", "In der modDesc.xml steht keine Version. Ohne sie lässt sich nicht "
                                      "erkennen, ob der Mod aktuell ist."});
  }
  if (record.status == kNoStorePicture) {
    problems.push_back({"no-store-picture", "Der Mod hat kein Store-Bild: Im Shop erscheint er ohne Bild."});
  } else if (record.status == kStorePictureUnreadable || record.status == kConverterMissing) {
    problems.push_back({"store-picture-unreadable", "Das Store-Bild „" + record.storePicture.value_or("") +
                                                        "“ ist beschädigt oder in einem Format, das nicht lesbar ist."});
  }
  return problems;
}

Problems ReadingProblems(const InspectionRecord& record, bool verify) {
  std::ifstream file(HostFilePath(record.file), std::ios::binary);
  if (!file) {
    return {{"unreadable", "Die Datei lässt sich nicht öffnen. Bitte die Zugriffsrechte prüfen."}};
  }
  const std::shared_ptr<ZipReader> reader = OpenModArchive(SystemPath(record.file));
  if (!reader) {
    const std::string kind = ArchiveKind(file);
    return {{"not-zip", (kind.empty() ? "Die Datei ist kein ZIP-Archiv." : "Die Datei ist " + kind + ".") + kOnlyZip}};
  }
  Problems problems = ContentProblems(*reader);
  if (problems.empty()) problems = DescriptionProblems(record);
  if (verify) {
    if (auto damage = DamageProblem(*reader)) problems.push_back(std::move(*damage));
  }
  return problems;
}

}  // namespace

Problems CheckArchive(const InspectionRecord& record, bool verify) {
  Problems problems;
  if (auto name = NameProblem(FileNameOf(record.file))) problems.push_back(std::move(*name));
  for (Problem& problem : ReadingProblems(record, verify)) problems.push_back(std::move(problem));
  return problems;
}

}  // namespace strohvik
