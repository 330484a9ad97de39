#include "tools/inspect/inspection_run.h"

#include <unistd.h>

#include <iostream>
#include <vector>

#include "mods/mod_environment.h"
#include "platform/scratch_folder.h"
#include "tools/inspect/archive_check.h"
#include "tools/inspect/check_summary.h"
#include "tools/inspect/inspector_environment.h"
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

// Calls each archive's record in order until the end or a stop.
template <typename Sink>
void ReadArchives(const std::vector<std::string>& archives, Sink sink) {
  const ScratchFolder scratch("strohvik-inspect");
  const ModEnvironment environment = InspectorEnvironment(scratch);
  const bool progress = archives.size() >= kProgressFrom && isatty(STDERR_FILENO);
  for (size_t index = 0; index < archives.size() && !StopRequested(); ++index) {
    sink(InspectArchive(environment, archives[index]));
    if (progress) ShowProgress(index + 1, archives.size());
  }
}

// A stopped report stays unfinished, so that nobody takes it for a whole one.
void FinishUnlessStopped(RecordWriter& writer) {
  if (!StopRequested()) writer.Finish();
}

int InspectOnly(const InspectOptions& options, const ArchiveList& list) {
  const auto writer = WriterFor(options);
  int exitCode = kAllRead;
  ReadArchives(list.archives, [&](const InspectionRecord& record) {
    if (!record.descriptionRead) exitCode = kSomeUnread;
    writer->Write(record);
  });
  FinishUnlessStopped(*writer);
  return exitCode;
}

InspectionRecord ForeignFile(const std::string& file) {
  InspectionRecord record;
  record.file = file;
  record.problems = Problems{{"foreign-file", "Die Datei ist kein Mod-Archiv (.zip) und gehört nicht in den "
                                              "Mods-Ordner. Bitte verschieben oder löschen."}};
  return record;
}

// Problems shared by several archives show only once all are read, so the check holds
// the records, which is a few kilobytes per mod, until the end.
int InspectAndCheck(const InspectOptions& options, const ArchiveList& list) {
  std::vector<InspectionRecord> records;
  ReadArchives(list.archives, [&](InspectionRecord record) {
    record.problems = CheckArchive(record, options.verify);
    records.push_back(std::move(record));
  });
  CheckArchivesTogether(records);
  if (!StopRequested()) {
    for (const std::string& file : list.foreign) records.push_back(ForeignFile(file));
  }
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
