#include "mods/repack_save.h"

#include <algorithm>
#include <functional>

#include "mods/line_edit.h"
#include "mods/repack.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "zip/zip_reader.h"

namespace strohvik {
namespace {

constexpr int64_t kMostXmlBytes = 64 << 20;
constexpr const char* kDescription = "modDesc.xml";
constexpr const char* kNoPrice = "0";  // what a load shows for a description without a price

// Reads the extracted copy temp + "\" + name, edits it, and writes the result to
// temp + "\1_" + name and to work + "\" + entryName. Every edit must find its line, or
// a value that cannot be written would be reported as saved; only an edit that may be
// missing is let go. When no edit found a line, nothing is written and the text is
// empty. Sets the error when a step fails.
LineEditResult WriteEditedCopy(const WorkingFolders& folders, const std::string& name,
                               const std::vector<TaggedLineEdit>& edits, const std::string& entryName,
                               const std::function<bool(const TaggedLineEdit&)>& mayBeMissing = nullptr) {
  LineEditResult result;
  std::string bytes;
  auto input = TFileStream::Open(JoinPath(folders.Temp(), name), true, false);
  if (!input || !input->ReadAll(bytes, kMostXmlBytes)) {
    result.error = kCouldNotOpen;
    return result;
  }
  result = EditTaggedLines(bytes, edits, name);
  if (!result.error.empty()) return result;
  for (size_t i = 0; i < edits.size(); ++i) {
    if (result.replaced[i] == 0 && !(mayBeMissing && mayBeMissing(edits[i]))) {
      result.error = "Fehler: " + name + " enthält kein <" + edits[i].tag + ">; nichts gespeichert.";
      return result;
    }
  }
  if (std::all_of(result.replaced.begin(), result.replaced.end(), [](int count) { return count == 0; })) {
    result.text.clear();
    return result;
  }
  const std::string edited = JoinPath(folders.Temp(), "1_" + name);
  if (!WriteFileAtomically(edited, result.text, Durability::Scratch) ||
      !CopyFileReplacing(edited, JoinPath(folders.Work(), entryName), Durability::Scratch)) {
    result.error = "Fehler: " + name + " kann nicht geschrieben werden; nichts gespeichert.";
  }
  return result;
}

EditOutcome Failed(std::string error) {
  EditOutcome outcome;
  outcome.error = std::move(error);
  return outcome;
}

// The stored name of the top-level entry that equals the name but for letter case, so
// that the edited copy replaces it; the name itself when there is none.
std::string TopLevelEntryLike(const ZipReader& reader, const std::string& name) {
  const std::string wanted = AsciiLower(name);
  for (int index = 0; index < reader.getFileCount(); ++index) {
    const std::string& stored = reader.getFileInfo(index)->zipFileName;
    if (FolderPart(stored).empty() && AsciiLower(stored) == wanted) return stored;
  }
  return name;
}

struct ArchiveNames {
  std::string description;
  std::string vehicle;
};

// False when the archive is not an existing zip archive.
bool ReadEntryNames(const std::string& archive, const std::string& vehicleFile, ArchiveNames& names) {
  auto reader = ZipReader::Create();
  if (!IsFile(archive) || reader->OpenZip(archive) != 1) return false;
  names.description = TopLevelEntryLike(*reader, kDescription);
  names.vehicle = TopLevelEntryLike(*reader, vehicleFile);
  return true;
}

}  // namespace

EditOutcome SaveCapacity(const WorkingFolders& folders, const std::string& vehicleFileName,
                         const std::string& capacity, const std::string& entryName) {
  const std::string file = FilePart(vehicleFileName);
  const std::string refusal = ValueRefusal(capacity, "Die Kapazität");
  if (!refusal.empty()) return Failed(refusal);
  // Its copy would take the description's place in the work folder and the archive.
  if (AsciiLower(file) == AsciiLower(kDescription) || AsciiLower(entryName) == AsciiLower(kDescription)) {
    return Failed("Fehler: Die Fahrzeugdatei heißt wie modDesc.xml und wird nicht bearbeitet.");
  }
  const LineEditResult edit = WriteEditedCopy(folders, file, {{"capacity", capacity}}, entryName);
  if (!edit.error.empty()) return Failed(edit.error);
  EditOutcome outcome;
  outcome.workFile = JoinPath(folders.Work(), entryName);
  return outcome;
}

EditOutcome SavePrice(const WorkingFolders& folders, const std::string& vehicleFileName, const std::string& price,
                      const std::string& vehicleCopyName, const std::string& entryName) {
  std::string refusal = ValueRefusal(price, "Der Preis");
  const std::string vehicleFolder = FolderPart(vehicleFileName);
  const bool moved = !vehicleFolder.empty() && !vehicleCopyName.empty();
  if (refusal.empty() && moved) refusal = ValueRefusal(vehicleCopyName, "Der Name der Fahrzeugdatei");
  if (!refusal.empty()) return Failed(refusal);

  std::vector<TaggedLineEdit> edits = {{"price", price}};
  // Without the new reference the edited vehicle copy would be packed but never read.
  if (moved) edits.push_back({"xmlFilename", vehicleCopyName, true});
  // A description without a price shows the load's "0": left so, the player asked for
  // no price, and the capacity alone is saved.
  const auto untouchedPrice = [&price](const TaggedLineEdit& edit) { return edit.tag == "price" && price == kNoPrice; };
  const LineEditResult edit = WriteEditedCopy(folders, kDescription, edits, entryName, untouchedPrice);
  if (!edit.error.empty()) return Failed(edit.error);

  EditOutcome outcome;
  if (!edit.text.empty()) outcome.workFile = JoinPath(folders.Work(), entryName);
  if (moved) {
    std::string folder = vehicleFolder;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    outcome.traceLines.push_back("XMLModPath= " + folder);
  }
  return outcome;
}

SaveOutcome SaveModChanges(const WorkingFolders& folders, const LoadedMod& mod, const std::string& price,
                           const std::string& capacity, ProcessRunner& runner) {
  SaveOutcome outcome;
  ArchiveNames names;
  if (!ReadEntryNames(mod.modPath, FilePart(mod.vehicleFileName), names)) {
    outcome.status = "Fehler: " + mod.modPath + " ist kein vorhandenes Zip-Archiv; nichts gespeichert.";
    return outcome;
  }
  if (!IsFile(ArchiverPath(folders))) {
    outcome.status = "Fehler: 7-Zip fehlt (" + ArchiverPath(folders) + "); nichts gespeichert.";
    return outcome;
  }

  // Both values are checked before the first file is written.
  const std::string refusal = ValueRefusal(price, "Der Preis");
  if (!refusal.empty()) {
    outcome.status = refusal;
    return outcome;
  }

  std::vector<std::string> editedFiles;
  std::string vehicleCopyName;
  if (!capacity.empty()) {
    const EditOutcome saved = SaveCapacity(folders, mod.vehicleFileName, capacity, names.vehicle);
    if (!saved.error.empty()) {
      outcome.status = saved.error;
      return outcome;
    }
    editedFiles.push_back(saved.workFile);
    vehicleCopyName = names.vehicle;
  }
  const EditOutcome saved = SavePrice(folders, mod.vehicleFileName, price, vehicleCopyName, names.description);
  outcome.traceLines = saved.traceLines;
  if (!saved.error.empty()) {
    outcome.status = saved.error;
    return outcome;
  }
  if (!saved.workFile.empty()) editedFiles.push_back(saved.workFile);

  const std::string error = Repack(folders, mod.modPath, editedFiles, runner);
  outcome.status = error.empty() ? "Keine Fehler." : error;
  return outcome;
}

}  // namespace strohvik
