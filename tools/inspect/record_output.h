#pragma once
// The inspector's report formats. Records are written one at a time as they are read,
// so a large folder is never held in memory.

#include <iosfwd>
#include <memory>

#include "tools/inspect/inspection_record.h"

namespace strohvik {

class RecordWriter {
 public:
  virtual ~RecordWriter() = default;
  virtual void Write(const InspectionRecord& record) = 0;
  // Ends the report after its last record.
  virtual void Finish() = 0;
};

// With problems, every record ends with the problems the check found; its records must
// carry them.
//
// One JSON array of objects, UTF-8; absent values are null; problems are a list of
// objects with "code" and "text".
std::unique_ptr<RecordWriter> JsonRecordWriter(std::ostream& out, bool withProblems);
// A header row, then one row per record; absent values are empty, fill types are
// joined with "|", and so are the problem codes and, in a column of their own, the texts.
std::unique_ptr<RecordWriter> CsvRecordWriter(std::ostream& out, bool withProblems);

}  // namespace strohvik
