#include "tools/inspect/inspection_run.h"

#include <unistd.h>

#include <functional>
#include <iostream>
#include <vector>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "tools/inspect/archive_check.h"
#include "tools/inspect/check_summary.h"
#include "tools/inspect/inspector_environment.h"
#include "tools/inspect/parallel_reading.h"
#include "tools/inspect/record_output.h"
#include "tools/inspect/shared_checks.h"
#include "tools/inspect/stop_signals.h"

namespace strohvik {
namespace {

// Fewer archives than this finish before a progress line would help.
constexpr size_t kProgressFrom = 51;

void ShowProgress(size_t done, size_t total) {
  std::cerr << "\rstrohvik-inspect: " << done << "/" << total << (done == total ? "\n" : "") << std::flush;
}

std::unique_ptr<RecordWriter> WriterFor(const InspectOptions& options) {
  return options.format == "csv" ? CsvRecordWriter(std::cout, options.check) : JsonRecordWriter(std::cout, options.check);
}

// Hands each archive's record, in order, to the sink until the end or a stop.
void ReadArchives(const InspectOptions& options, const std::vector<std::string>& archives,
                  const std::function<void(InspectionRecord)>& sink) {
  const bool progress = archives.size() >= kProgressFrom && isatty(STDERR_FILENO);
  const ReadArchive read = [&options](const std::string& archive) {
    const ModEnvironment environment = InspectorEnvironment();
    InspectionRecord record = InspectArchive(environment, archive);
    if (options.check) record.problems = CheckArchive(environment, record, options.verify);
    return record;
  };
  ReadInOrder(archives, options.threads, read, [&](InspectionRecord record, size_t done) {
    sink(std::move(record));
    if (progress) ShowProgress(done, archives.size());
  });
}

// A stopped report stays unfinished, so that nobody takes it for a whole one.
void FinishUnlessStopped(RecordWriter& writer) {
  if (!StopRequested()) writer.Finish();
}

int InspectOnly(const InspectOptions& options, const ArchiveList& list) {
  const auto writer = WriterFor(options);
  int exitCode = kAllRead;
  ReadArchives(options, list.archives, [&](const InspectionRecord& record) {
    if (!record.descriptionRead) exitCode = kSomeUnread;
    writer->Write(record);
  });
  FinishUnlessStopped(*writer);
  return exitCode;
}

// The game takes a folder named like an archive for one and fails on it.
InspectionRecord ForeignRecord(const std::string& file) {
  InspectionRecord record;
  record.file = file;
  if (IsFolder(SystemPath(file))) {
    record.problems = Problems{{"not-zip", "Das ist ein Ordner, kein ZIP-Archiv. Das Spiel liest nur ZIP-Archive: "
                                           "Bitte den Inhalt des Ordners als ZIP packen."}};
  } else {
    record.problems = Problems{{"foreign-file", "Die Datei ist kein Mod-Archiv (.zip) und gehört nicht in den "
                                                "Mods-Ordner. Bitte verschieben oder löschen."}};
  }
  return record;
}

// The archives' records with those of the other files where the listing had them. A
// stopped run reports only the archives read.
std::vector<InspectionRecord> InListingOrder(std::vector<InspectionRecord> archives,
                                             const std::vector<ForeignFile>& foreign) {
  if (StopRequested()) return archives;
  std::vector<InspectionRecord> records;
  auto next = foreign.begin();
  for (size_t index = 0; index <= archives.size(); ++index) {
    for (; next != foreign.end() && next->archivesBefore == index; ++next) records.push_back(ForeignRecord(next->path));
    if (index < archives.size()) records.push_back(std::move(archives[index]));
  }
  return records;
}

// Problems shared by several archives show only once all are read, so the check holds
// the records, which is a few kilobytes per mod, until the end.
int InspectAndCheck(const InspectOptions& options, const ArchiveList& list) {
  std::vector<InspectionRecord> archives;
  ReadArchives(options, list.archives, [&](InspectionRecord record) { archives.push_back(std::move(record)); });
  CheckArchivesTogether(archives);
  const std::vector<InspectionRecord> records = InListingOrder(std::move(archives), list.foreign);
  const auto writer = WriterFor(options);
  int exitCode = kAllRead;
  for (const InspectionRecord& record : records) {
    if (!record.problems->empty()) exitCode = kSomeUnread;
    writer->Write(record);
  }
  FinishUnlessStopped(*writer);
  if (isatty(STDERR_FILENO)) std::cerr << CheckSummary(records) << "\n";
  return exitCode;
}

}  // namespace

int RunInspection(const InspectOptions& options, const ArchiveList& list) {
  return options.check ? InspectAndCheck(options, list) : InspectOnly(options, list);
}

}  // namespace strohvik
