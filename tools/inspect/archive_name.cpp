#include "tools/inspect/archive_name.h"

#include <algorithm>
#include <string_view>

#include "platform/host_path.h"
#include "platform/text.h"
#include "tools/inspect/utf8_text.h"

namespace strohvik {
namespace {

constexpr std::string_view kZip = ".zip";
// A valid name gets this in front of a leading digit.
constexpr char kDigitPrefix[] = "Mod_";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAllowed(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

std::string Stem(const std::string& fileName) {
  return EndsWithIgnoringAsciiCase(fileName, kZip) ? fileName.substr(0, fileName.size() - kZip.size()) : fileName;
}

// The bytes of one character: a whole UTF-8 sequence, or a single byte of any other text.
size_t CharacterLength(const std::string& text, size_t at) { return std::max<size_t>(Utf8SequenceLength(text, at), 1); }

std::string Describe(std::string_view character) {
  const auto byte = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && (byte < 0x20 || byte == 0x7f)) {
    return "ein Steuerzeichen (Code " + std::to_string(byte) + ")";
  }
  if (character == " ") return "ein Leerzeichen";
  return "das Zeichen „" + std::string(character) + "“";
}

std::string ValidName(const std::string& stem) {
  std::string valid = stem.empty() || IsDigit(stem[0]) ? kDigitPrefix : "";
  for (size_t at = 0; at < stem.size(); at += CharacterLength(stem, at)) valid += IsAllowed(stem[at]) ? stem[at] : '_';
  return valid + ".zip";
}

std::optional<std::string> FirstInvalidCharacter(const std::string& stem) {
  for (size_t at = 0; at < stem.size(); at += CharacterLength(stem, at)) {
    if (!IsAllowed(stem[at])) return stem.substr(at, CharacterLength(stem, at));
  }
  return std::nullopt;
}

bool RemoveSuffix(std::string& text, std::string_view suffix) {
  if (!text.ends_with(suffix) || text.size() == suffix.size()) return false;
  text.resize(text.size() - suffix.size());
  return true;
}

// " (2)" or "(2)" at the end, as browsers and Windows number a second file of one name.
bool RemoveNumber(std::string& stem) {
  if (!stem.ends_with(')')) return false;
  const size_t open = stem.rfind('(');
  if (open == std::string::npos || open == 0 || open + 2 == stem.size()) return false;
  for (size_t at = open + 1; at + 1 < stem.size(); ++at) {
    if (!IsDigit(stem[at])) return false;
  }
  stem.resize(open > 0 && stem[open - 1] == ' ' ? open - 1 : open);
  return !stem.empty();
}

}  // namespace

std::string FileNameOf(const std::string& hostPath) { return Utf8Text(HostFilePath(hostPath).filename()); }

std::optional<Problem> NameProblem(const std::string& fileName) {
  const std::string stem = Stem(fileName);
  const auto invalid = FirstInvalidCharacter(stem);
  std::string why;
  if (invalid) {
    why = "Der Name „" + stem + "“ enthält " + Describe(*invalid) + ".";
  } else if (stem.empty() || IsDigit(stem[0])) {
    why = stem.empty() ? "Der Name ist leer." : "Der Name „" + stem + "“ beginnt mit einer Ziffer.";
  } else {
    return std::nullopt;
  }
  return Problem{"name-invalid", why + " Das Spiel lädt nur Mods, deren Name aus Buchstaben (A-Z), Ziffern und „_“ "
                                       "besteht und nicht mit einer Ziffer beginnt. Vorschlag: " + ValidName(stem)};
}

std::optional<std::string> NameBeforeCopy(const std::string& fileName) {
  const std::string stem = Stem(fileName);
  const std::string extension = fileName.substr(stem.size());
  std::string original = stem;
  bool marked = RemoveNumber(original);
  for (const std::string_view suffix : {" - Kopie", " - Copy"}) marked = RemoveSuffix(original, suffix) || marked;
  for (const std::string_view prefix : {"Kopie von ", "Copy of "}) {
    if (original.starts_with(prefix) && original.size() > prefix.size()) {
      original.erase(0, prefix.size());
      marked = true;
    }
  }
  if (!marked) return std::nullopt;
  return original + extension;
}

}  // namespace strohvik
