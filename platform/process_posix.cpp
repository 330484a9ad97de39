// Programs started with posix_spawn, which never passes through a shell.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/host_path.h"
#include "platform/process.h"

extern char** environ;

namespace strohvik {
namespace {

// A program named with a folder is taken relative to our own working directory;
// a bare name is left to the PATH search of posix_spawnp.
std::string ProgramPath(const std::string& program) {
  const std::string host = HostPath(program);
  return host.find('/') == std::string::npos ? host : AbsoluteHostPath(program);
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

}  // namespace strohvik
