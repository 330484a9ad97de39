// RunTool over posix_spawn: the reference tools (Info-ZIP, 7-Zip) are Linux programs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>

#include "tests/zip/zip_test_support.h"

extern char** environ;

namespace strohvik::ziptest {
namespace fs = std::filesystem;

ToolResult RunTool(const std::vector<std::string>& arguments, const fs::path& workingDirectory,
                   const std::string& input) {
  int toChild[2];
  int fromChild[2];
  if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
  std::vector<char*> argv;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  // Names are compared as UTF-8: in the C locale the tools would escape non-ASCII bytes.
  std::vector<char*> environment;
  for (char** variable = environ; *variable; ++variable) {
    const std::string_view text(*variable);
    if (text.rfind("LC_ALL=", 0) != 0 && text.rfind("LANG=", 0) != 0) environment.push_back(*variable);
  }
  std::string locale = "LC_ALL=C.UTF-8";
  environment.push_back(locale.data());
  environment.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(toChild[0]);
  ::close(fromChild[1]);
  // The inputs are small: they fit the pipe, so writing first cannot block on the output.
  if (spawned == 0 && !input.empty()) {
    [[maybe_unused]] const ssize_t written = ::write(toChild[1], input.data(), input.size());
  }
  ::close(toChild[1]);
  ToolResult result;
  char chunk[4096];
  for (ssize_t got; (got = ::read(fromChild[0], chunk, sizeof chunk)) > 0;) result.output.append(chunk, size_t(got));
  ::close(fromChild[0]);
  if (spawned != 0) return result;
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace strohvik::ziptest
