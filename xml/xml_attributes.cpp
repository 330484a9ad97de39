#include "xml/xml_attributes.h"

#include <optional>

#include "xml/xml_normalise.h"

namespace strohvik {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) < 33; }

// Letters, digits, "_", "-", ".", ":" and every non-ASCII byte.
bool IsNameCharacter(char c) {
  return static_cast<unsigned char>(c) >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' || c == ':';
}

// Where one attribute stands: its name begins at nameBegin, its value is
// [valueBegin, valueEnd), and the whole pair, closing quote included, ends at end.
struct AttributeSpan {
  size_t nameBegin;
  size_t valueBegin;
  size_t valueEnd;
  size_t end;
};

AttributeSpan MeasureValue(const std::string& values, size_t nameBegin, size_t equals) {
  size_t quote = equals + 1;
  while (quote < values.size() && IsBlank(values[quote])) ++quote;
  if (quote < values.size() && values[quote] == '"') {
    const size_t closing = values.find('"', quote + 1);
    if (closing == std::string::npos) return {nameBegin, quote + 1, values.size(), values.size()};
    return {nameBegin, quote + 1, closing, closing + 1};
  }
  size_t end = equals + 1;
  while (end < values.size() && !IsBlank(values[end])) ++end;
  return {nameBegin, equals + 1, end, end};
}

// Scans the text once, skipping quoted values, for name= at the start of a name.
std::optional<AttributeSpan> FindAttribute(const std::string& values, const std::string& name) {
  if (name.empty()) return std::nullopt;
  bool inQuotes = false;
  for (size_t i = 0; i + name.size() < values.size(); ++i) {
    if (values[i] == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    const bool atNameStart = !inQuotes && (i == 0 || !IsNameCharacter(values[i - 1]));
    const size_t equals = i + name.size();
    if (atNameStart && values[equals] == '=' && values.compare(i, name.size(), name) == 0) {
      return MeasureValue(values, i, equals);
    }
  }
  return std::nullopt;
}

}  // namespace

std::string ReadAttribute(const std::string& values, const std::string& name) {
  const auto span = FindAttribute(values, name);
  if (!span) return "0";
  return values.substr(span->valueBegin, span->valueEnd - span->valueBegin);
}

void WriteAttribute(std::string& values, const std::string& name, const std::string& value) {
  const std::string pair = name + "=\"" + value + "\"";
  if (const auto span = FindAttribute(values, name)) {
    values.replace(span->nameBegin, span->end - span->nameBegin, pair);
  } else {
    values += " " + pair;
  }
  TrimControlsAndBlanks(values);
}

}  // namespace strohvik
