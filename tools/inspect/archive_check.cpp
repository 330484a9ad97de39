#include "tools/inspect/archive_check.h"

#include <fstream>
#include <memory>

#include "mods/mod_texts.h"
#include "platform/host_path.h"
#include "tools/inspect/archive_contents.h"
#include "tools/inspect/archive_name.h"

namespace strohvik {
namespace {

constexpr char kOnlyZip[] = " Das Spiel liest nur ZIP-Archive: Bitte entpacken und als ZIP packen.";

// A zip archive without its end, or an empty file, is what a download that stopped
// early leaves.
bool StoppedDownload(const std::string& start) { return start.empty() || start.starts_with("PK\x03\x04"); }

// What the first bytes of a file the zip reader refused show; the kind of archive tells
// the player what to unpack it with.
Problem RefusedFileProblem(const std::string& start) {
  if (StoppedDownload(start)) {
    return {"damaged", "Das Archiv ist unvollständig: Meist ist der Download abgebrochen. Bitte den Mod neu "
                       "herunterladen."};
  }
  std::string kind = "Die Datei ist kein ZIP-Archiv.";
  if (start == std::string("Rar!\x1a\x07", 6)) kind = "Die Datei ist ein RAR-Archiv.";
  if (start == std::string("7z\xbc\xaf\x27\x1c", 6)) kind = "Die Datei ist ein 7z-Archiv.";
  return {"not-zip", kind + kOnlyZip};
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

Problems UnopenedProblems(const std::string& file) {
  std::ifstream stream(HostFilePath(file), std::ios::binary);
  if (!stream) return {{"unreadable", "Die Datei lässt sich nicht öffnen. Bitte die Zugriffsrechte prüfen."}};
  std::string start(6, '\0');
  stream.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<size_t>(stream.gcount()));
  return {RefusedFileProblem(start)};
}

Problems ReadingProblems(const ModEnvironment& environment, const InspectionRecord& record, bool verify) {
  const std::shared_ptr<ZipReader> reader = environment.archive->Reader(SystemPath(record.file));
  if (!reader) return UnopenedProblems(record.file);
  Problems problems = ContentProblems(*reader);
  if (problems.empty()) problems = DescriptionProblems(record);
  if (verify) {
    if (auto damage = DamageProblem(*reader)) problems.push_back(std::move(*damage));
  }
  return problems;
}

}  // namespace

Problems CheckArchive(const ModEnvironment& environment, const InspectionRecord& record, bool verify) {
  Problems problems;
  if (auto name = NameProblem(FileNameOf(record.file))) problems.push_back(std::move(*name));
  for (Problem& problem : ReadingProblems(environment, record, verify)) problems.push_back(std::move(problem));
  return problems;
}

}  // namespace strohvik
