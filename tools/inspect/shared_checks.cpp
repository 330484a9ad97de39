#include "tools/inspect/shared_checks.h"

#include <map>
#include <utility>

#include "mods/mod_texts.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"
#include "tools/inspect/archive_name.h"
#include "tools/inspect/file_compare.h"

namespace strohvik {
namespace {

using Group = std::vector<size_t>;

void Add(InspectionRecord& record, std::string code, std::string text) {
  record.problems->push_back({std::move(code), std::move(text)});
}

std::string Quoted(const InspectionRecord& record) { return "„" + FileNameOf(record.file) + "“"; }

// One file named twice on the command line ("a.zip ./a.zip") is no second copy for the
// game; two names of one file in a folder (links) are, as the game reads both.
bool SamePath(const InspectionRecord& a, const InspectionRecord& b) {
  return AbsoluteHostPath(a.file) == AbsoluteHostPath(b.file);
}

// Groups the candidates by equal bytes, reading them side by side.
std::vector<Group> EqualBytesInFull(const std::vector<InspectionRecord>& records, const Group& candidates) {
  std::vector<Group> groups;
  for (const size_t index : candidates) {
    auto group = groups.begin();
    const auto differs = [&](const Group& group) {
      return !SameContent(SystemPath(records[group.front()].file), SystemPath(records[index].file));
    };
    while (group != groups.end() && differs(*group)) ++group;
    if (group == groups.end()) {
      groups.push_back({index});
    } else {
      group->push_back(index);
    }
  }
  return groups;
}

// Splits archives of one size into groups of equal bytes. Their tails are compared first,
// so that hundreds of archives of one size are not read whole against each other; only
// archives with equal tails are.
std::vector<Group> EqualBytes(const std::vector<InspectionRecord>& records, const Group& sameSize) {
  std::map<size_t, Group> byTail;
  for (const size_t index : sameSize) byTail[TailFingerprint(records[index].file)].push_back(index);
  std::vector<Group> groups;
  for (const auto& [tail, sameTail] : byTail) {
    for (Group& group : EqualBytesInFull(records, sameTail)) groups.push_back(std::move(group));
  }
  return groups;
}

// The identity of each record: the first record of its byte-equal group.
std::vector<size_t> FindDuplicates(std::vector<InspectionRecord>& records) {
  std::map<int64_t, Group> bySize;
  for (size_t index = 0; index < records.size(); ++index) {
    const int64_t size = FileSize(SystemPath(records[index].file));
    if (size >= 0) bySize[size].push_back(index);
  }
  std::vector<size_t> identity(records.size());
  for (size_t index = 0; index < records.size(); ++index) identity[index] = index;
  for (const auto& [size, sameSize] : bySize) {
    for (const Group& group : sameSize.size() > 1 ? EqualBytes(records, sameSize) : std::vector<Group>{}) {
      for (const size_t index : group) {
        identity[index] = group.front();
        for (const size_t other : group) {
          if (SamePath(records[index], records[other])) continue;
          Add(records[index], "duplicate",
              "Gleicher Inhalt wie " + Quoted(records[other]) +
                  ": Das Spiel lädt den Mod doppelt. Eine der beiden Dateien kann gelöscht werden.");
        }
      }
    }
  }
  return identity;
}

std::string VersionText(const InspectionRecord& record) {
  return record.version.empty() || record.version == "0" ? "ohne Version" : "Version " + record.version;
}

// Byte-equal archives are told apart by "duplicate" already.
void FindSameMods(std::vector<InspectionRecord>& records, const std::vector<size_t>& identity) {
  std::map<std::pair<std::string, std::string>, Group> byTitle;
  for (size_t index = 0; index < records.size(); ++index) {
    const InspectionRecord& record = records[index];
    if (record.descriptionRead && record.title != kNoInfo) byTitle[{record.title, record.author}].push_back(index);
  }
  for (const auto& [key, group] : byTitle) {
    for (const size_t index : group) {
      for (const size_t other : group) {
        if (identity[other] == identity[index]) continue;
        Add(records[index], "same-mod",
            "Derselbe Mod („" + key.first + "“ von " + key.second + ") liegt zweimal vor: " + Quoted(records[index]) +
                " (" + VersionText(records[index]) + ") und " + Quoted(records[other]) + " (" +
                VersionText(records[other]) + "). Das Spiel lädt beide: Bitte nur eine behalten.");
      }
    }
  }
}

void FindCopies(std::vector<InspectionRecord>& records) {
  for (InspectionRecord& record : records) {
    const auto original = NameBeforeCopy(FileNameOf(record.file));
    if (!original) continue;
    const std::string originalPath = JoinPath(FolderPart(SystemPath(record.file)), *original);
    std::string text = "Der Name sieht nach einer Kopie oder einem zweiten Download aus.";
    if (!IsFile(originalPath)) {
      text += " Das Original „" + *original + "“ liegt nicht im selben Ordner.";
    } else if (SameContent(SystemPath(record.file), originalPath)) {
      text += " Das Original „" + *original + "“ liegt daneben und ist gleich: Diese Datei kann gelöscht werden.";
    } else {
      text += " Das Original „" + *original + "“ liegt daneben, ist aber verschieden: Bitte nur die neuere behalten.";
    }
    Add(record, "probable-copy", text);
  }
}

}  // namespace

void CheckArchivesTogether(std::vector<InspectionRecord>& records) {
  const std::vector<size_t> identity = FindDuplicates(records);
  FindSameMods(records, identity);
  FindCopies(records);
}

}  // namespace strohvik
