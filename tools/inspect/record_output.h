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

// One JSON array of objects, UTF-8; absent values are null.
std::unique_ptr<RecordWriter> JsonRecordWriter(std::ostream& out);
// A header row, then one row per record; absent values are empty, fill types are
// joined with "|".
std::unique_ptr<RecordWriter> CsvRecordWriter(std::ostream& out);

}  // namespace strohvik
