#include "mods/line_edit.h"

#include <algorithm>

namespace strohvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool AllBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlank); }

// One byte per character; a line ends at a line feed, carriage returns are dropped.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!bytes.empty() && bytes.back() != '\n') lines.push_back(std::move(line));
  return lines;
}

std::string TextRefusal(std::string_view bytes, const std::string& fileName) {
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  if (utf16) return "Fehler: " + fileName + " ist UTF-16-kodiert und wird nicht bearbeitet.";
  if (bytes.find('\0') != std::string_view::npos) {
    return "Fehler: " + fileName + " enthält Nullbytes und wird nicht bearbeitet.";
  }
  return "";
}

// Blanks, the opening tag, a text without markup, the closing tag, blanks.
bool HoldsOnlyTheElement(std::string_view line, const std::string& open, const std::string& close) {
  const size_t start = line.find(open);
  if (start == std::string_view::npos || !AllBlank(line.substr(0, start))) return false;
  const size_t textStart = start + open.size();
  const size_t end = line.find(close, textStart);
  if (end == std::string_view::npos) return false;
  const std::string_view text = line.substr(textStart, end - textStart);
  return text.find('<') == std::string_view::npos && AllBlank(line.substr(end + close.size()));
}

// One tab, a blank for each character before the tag, then the element.
std::string TaggedLine(size_t indent, const std::string& open, const std::string& value, const std::string& close) {
  std::string line(1, '\t');
  line.append(indent, ' ');
  line += open;
  line += value;
  line += close;
  return line;
}

}  // namespace

LineEditResult EditTaggedLines(std::string_view bytes, const std::vector<TaggedLineEdit>& edits,
                               const std::string& fileName) {
  LineEditResult result;
  result.error = TextRefusal(bytes, fileName);
  if (!result.error.empty()) return result;
  result.replaced.assign(edits.size(), 0);

  std::string text;
  int number = 0;
  for (std::string& line : SplitLines(bytes)) {
    ++number;
    for (size_t i = 0; i < edits.size(); ++i) {
      const TaggedLineEdit& edit = edits[i];
      if (edit.firstOnly && result.replaced[i] > 0) continue;
      const std::string open = "<" + edit.tag + ">";
      const std::string close = "</" + edit.tag + ">";
      const size_t at = line.find(open);
      if (at == std::string::npos && line.find(close) == std::string::npos) continue;
      if (!HoldsOnlyTheElement(line, open, close)) {
        result.error = "Fehler: " + fileName + " Zeile " + std::to_string(number) + ": " + open +
                       " steht nicht allein auf der Zeile; nichts gespeichert.";
        result.replaced.clear();
        return result;
      }
      line = TaggedLine(at, open, edit.value, close);
      ++result.replaced[i];
    }
    text += line + "\r\n";
  }
  result.text = text + "\r\n";
  return result;
}

std::string ValueRefusal(std::string_view value, const std::string& what) {
  const bool unsafe = std::any_of(value.begin(), value.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == '<' || c == '>' || c == '&' || c == '"' || c == '\'';
  });
  if (!unsafe) return "";
  return "Fehler: " + what + " darf keine Zeichen < > & \" ' und keine Steuerzeichen enthalten; nichts gespeichert.";
}

}  // namespace strohvik
