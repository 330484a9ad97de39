#include "platform/process.h"

namespace strohvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program word: quotes group and vanish, backslashes are plain characters.
size_t SplitProgram(const std::string& line, size_t at, std::vector<std::string>& words) {
  std::string word;
  bool quoted = false;
  for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
    if (line[at] == '"') {
      quoted = !quoted;
    } else {
      word += line[at];
    }
  }
  words.push_back(word);
  return at;
}

// One argument word, from a non-blank character up to the blank that ends it.
size_t SplitArgument(const std::string& line, size_t at, std::vector<std::string>& words) {
  std::string word;
  bool quoted = false;
  while (at < line.size() && (quoted || !IsBlank(line[at]))) {
    size_t backslashes = 0;
    while (at < line.size() && line[at] == '\\') {
      ++backslashes;
      ++at;
    }
    if (at < line.size() && line[at] == '"') {
      word.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        word += '"';
      } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
        word += '"';
        ++at;
      } else {
        quoted = !quoted;
      }
      ++at;
    } else {
      word.append(backslashes, '\\');
      if (at < line.size() && (quoted || !IsBlank(line[at]))) word += line[at++];
    }
  }
  words.push_back(word);
  return at;
}

size_t SkipBlanks(const std::string& line, size_t at) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  return at;
}

bool NeedsQuotes(const std::string& word) { return word.empty() || word.find_first_of(" \t\"") != std::string::npos; }

// Backslashes are doubled only where a quote follows them, as the splitting reads them.
std::string QuotedArgument(const std::string& word) {
  if (!NeedsQuotes(word)) return word;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> words;
  size_t at = SkipBlanks(commandLine, 0);
  if (at >= commandLine.size()) return words;
  at = SkipBlanks(commandLine, SplitProgram(commandLine, at, words));
  while (at < commandLine.size()) at = SkipBlanks(commandLine, SplitArgument(commandLine, at, words));
  return words;
}

std::string JoinCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (size_t index = 0; index < words.size(); ++index) {
    if (index > 0) line += ' ';
    line += index > 0 ? QuotedArgument(words[index]) : NeedsQuotes(words[0]) ? "\"" + words[0] + "\"" : words[0];
  }
  return line;
}

namespace {

class SystemRunner : public ProcessRunner {
 public:
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override {
    return RunProcess(arguments, workingDirectory);
  }
};

}  // namespace

std::shared_ptr<ProcessRunner> SystemProcessRunner() {
  static const auto runner = std::make_shared<SystemRunner>();
  return runner;
}

}  // namespace strohvik
