#include "tools/inspect/record_output.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/inspect/utf8_text.h"

namespace strohvik {
namespace {

// A field of the report: a text, an absent value, or a list of texts.
struct Field {
  const char* name;
  std::optional<std::string> text;
  std::vector<std::string> list;
  bool isList = false;
  const Problems* problems = nullptr;  // JSON only: a list of objects
};

std::vector<Field> CommonFields(const InspectionRecord& record) {
  return {
      {"file", record.file, {}},
      {"title", record.title, {}},
      {"author", record.author, {}},
      {"version", record.version, {}},
      {"description", record.description, {}},
      {"price", record.price, {}},
      {"multiplayer", record.multiplayer, {}},
      {"storePicture", record.storePicture, {}},
      {"vehicleFile", record.vehicleFile, {}},
      {"capacity", record.capacity, {}},
      {"fuelCapacity", record.fuelCapacity, {}},
      {"fillTypes", std::nullopt, record.fillTypes, true},
      {"status", record.status, {}},
  };
}

std::vector<std::string> ProblemPart(const InspectionRecord& record, std::string Problem::*part) {
  std::vector<std::string> parts;
  for (const Problem& problem : record.problems.value_or(Problems{})) parts.push_back(problem.*part);
  return parts;
}

// A spreadsheet shows codes and texts best in columns of their own.
std::vector<Field> CsvFields(const InspectionRecord& record, bool withProblems) {
  std::vector<Field> fields = CommonFields(record);
  if (!withProblems) return fields;
  fields.push_back({"problems", std::nullopt, ProblemPart(record, &Problem::code), true});
  fields.push_back({"problemTexts", std::nullopt, ProblemPart(record, &Problem::text), true});
  return fields;
}

std::string JsonString(const std::string& bytes) {
  std::string quoted = "\"";
  for (const char c : AsUtf8(bytes)) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string JsonProblems(const Problems& problems) {
  std::string array = "[";
  for (size_t index = 0; index < problems.size(); ++index) {
    array += (index > 0 ? ", {" : "{") + JsonString("code") + ": " + JsonString(problems[index].code) + ", " +
             JsonString("text") + ": " + JsonString(problems[index].text) + "}";
  }
  return array + "]";
}

std::string JsonValue(const Field& field) {
  if (field.problems) return JsonProblems(*field.problems);
  if (!field.isList) return field.text ? JsonString(*field.text) : "null";
  std::string array = "[";
  for (size_t index = 0; index < field.list.size(); ++index) {
    if (index > 0) array += ", ";
    array += JsonString(field.list[index]);
  }
  return array + "]";
}

class JsonWriter : public RecordWriter {
 public:
  JsonWriter(std::ostream& out, bool withProblems) : out_(out), withProblems_(withProblems) { out_ << "["; }
  void Write(const InspectionRecord& record) override {
    out_ << (first_ ? "\n  {" : ",\n  {");
    first_ = false;
    auto fields = CommonFields(record);
    if (withProblems_) fields.push_back({"problems", std::nullopt, {}, false, &*record.problems});
    for (size_t index = 0; index < fields.size(); ++index) {
      out_ << (index > 0 ? ", " : "") << JsonString(fields[index].name) << ": " << JsonValue(fields[index]);
    }
    out_ << "}";
  }
  void Finish() override { out_ << (first_ ? "]\n" : "\n]\n"); }

 private:
  std::ostream& out_;
  bool withProblems_;
  bool first_ = true;
};

std::string CsvCell(const std::string& bytes) {
  const std::string text = AsUtf8(bytes);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvValue(const Field& field) {
  if (!field.isList) return field.text ? CsvCell(*field.text) : "";
  std::string joined;
  for (size_t index = 0; index < field.list.size(); ++index) joined += (index > 0 ? "|" : "") + field.list[index];
  return CsvCell(joined);
}

class CsvWriter : public RecordWriter {
 public:
  CsvWriter(std::ostream& out, bool withProblems) : out_(out), withProblems_(withProblems) {
    const auto fields = CsvFields(InspectionRecord{}, withProblems_);
    for (size_t index = 0; index < fields.size(); ++index) out_ << (index > 0 ? "," : "") << fields[index].name;
    out_ << "\n";
  }
  void Write(const InspectionRecord& record) override {
    const auto fields = CsvFields(record, withProblems_);
    for (size_t index = 0; index < fields.size(); ++index) out_ << (index > 0 ? "," : "") << CsvValue(fields[index]);
    out_ << "\n";
  }
  void Finish() override { out_.flush(); }

 private:
  std::ostream& out_;
  bool withProblems_;
};

}  // namespace

std::unique_ptr<RecordWriter> JsonRecordWriter(std::ostream& out, bool withProblems) {
  return std::make_unique<JsonWriter>(out, withProblems);
}
std::unique_ptr<RecordWriter> CsvRecordWriter(std::ostream& out, bool withProblems) {
  return std::make_unique<CsvWriter>(out, withProblems);
}

}  // namespace strohvik
