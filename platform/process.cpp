#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/host_path.h"

extern char** environ;

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

// A program named with a folder is taken relative to our own working directory;
// a bare name is left to the PATH search of posix_spawnp.
std::string ProgramPath(const std::string& program) {
  const std::string host = HostPath(program);
  if (host.find('/') == std::string::npos) return host;
  std::error_code error;
  const auto absolute = std::filesystem::absolute(host, error);
  return error ? host : absolute.string();
}

// Owns the spawn file actions for the lifetime of one start.
class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  bool ChangeDirectory(const std::string& folder) {
    return posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str()) == 0;
  }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

int WaitForExit(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
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

ProcessResult RunProcess(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  ProcessResult result;
  if (arguments.empty() || arguments.front().empty()) return result;

  const std::string program = ProgramPath(arguments.front());
  std::vector<std::string> argv_strings = arguments;
  argv_strings.front() = program;
  std::vector<char*> argv;
  for (auto& word : argv_strings) argv.push_back(word.data());
  argv.push_back(nullptr);

  SpawnActions actions;
  if (!workingDirectory.empty() && !actions.ChangeDirectory(HostPath(workingDirectory))) return result;

  pid_t child = 0;
  if (::posix_spawnp(&child, program.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) return result;
  result.started = true;
  result.exitCode = WaitForExit(child);
  return result;
}

ProcessResult RunCommandLine(const std::string& commandLine, const std::string& workingDirectory) {
  return RunProcess(SplitCommandLine(commandLine), workingDirectory);
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
