#include "xml/xml_normalise.h"

namespace strohvik {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) < 33; }

// Appends c unless it is a space following a space.
void AppendCollapsingSpaces(std::string& out, char c) {
  if (c == ' ' && !out.empty() && out.back() == ' ') return;
  out.push_back(c);
}

}  // namespace

void TrimControlsAndBlanks(std::string& field) {
  size_t end = field.size();
  while (end > 0 && IsBlankOrControl(field[end - 1])) --end;
  size_t begin = 0;
  while (begin < end && IsBlankOrControl(field[begin])) ++begin;
  field = field.substr(begin, end - begin);
}

std::string NormaliseDocumentText(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      ++i;
      continue;
    }
    AppendCollapsingSpaces(out, bytes[i] == '\t' ? ' ' : bytes[i]);
  }
  TrimControlsAndBlanks(out);
  return out;
}

void CleanUpField(std::string& field) {
  std::string out;
  out.reserve(field.size());
  for (char c : field) AppendCollapsingSpaces(out, c);
  TrimControlsAndBlanks(out);
  field = std::move(out);
}

}  // namespace strohvik
