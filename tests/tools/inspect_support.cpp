#include "tests/tools/inspect_support.h"

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/tools/test_files.h"

extern char** environ;

namespace strohvik {
namespace fs = std::filesystem;

namespace {

// This process's environment with TMPDIR replaced.
std::vector<std::string> EnvironmentWithTmpdir(const fs::path& tmpdir) {
  std::vector<std::string> variables{"TMPDIR=" + tmpdir.string()};
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (!std::string(*variable).starts_with("TMPDIR=")) variables.push_back(*variable);
  }
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& text : strings) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The stop signals at their default action and unblocked, whatever the test runner set:
// a shell starts background jobs with SIGINT ignored, which the inspector would keep.
void ResetStopSignals(posix_spawnattr_t& attributes) {
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGINT);
  sigaddset(&defaults, SIGTERM);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
}

}  // namespace

void InspectTest::SetUp() { fs::create_directories(root_ / "scratch"); }

std::string InspectTest::MakeMod(const std::string& relative, const modtest::Entries& entries) const {
  fs::create_directories((root_ / relative).parent_path());
  modtest::WriteArchive((root_ / relative).string(), entries);
  return (root_ / relative).string();
}

InspectorRun InspectTest::Inspect(const std::vector<std::string>& arguments, int stderrFd) const {
  return Finish(Start(arguments, stderrFd), stderrFd < 0);
}

pid_t InspectTest::Start(const std::vector<std::string>& arguments, int stderrFd) const {
  std::vector<std::string> argv{INSPECT_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environment = EnvironmentWithTmpdir(root_ / "scratch");
  const fs::path outFile = root_ / "stdout.txt";
  const fs::path errFile = root_ / "stderr.txt";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, root_.c_str());
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (stderrFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  ResetStopSignals(attributes);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0].c_str(), &actions, &attributes, Pointers(argv).data(),
                                  Pointers(environment).data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0);
  return child;
}

InspectorRun InspectTest::Finish(pid_t child, bool errorToFile) const {
  int status = 0;
  waitpid(child, &status, 0);
  InspectorRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  run.out = testing_dds::ReadFile(root_ / "stdout.txt");
  if (errorToFile) run.err = testing_dds::ReadFile(root_ / "stderr.txt");
  fs::remove(root_ / "stdout.txt");
  fs::remove(root_ / "stderr.txt");
  return run;
}

InspectorRun InspectTest::InspectOnTerminal(const std::vector<std::string>& arguments, std::string& terminal) const {
  int master = -1;
  int slave = -1;
  EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  const InspectorRun run = Inspect(arguments, slave);
  close(slave);
  char buffer[256];
  for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;) terminal.append(buffer, static_cast<size_t>(got));
  close(master);
  return run;
}

std::vector<std::string> FilesOfCsv(const std::string& csv) {
  std::vector<std::string> files;
  for (size_t line = csv.find('\n'); line + 1 < csv.size(); line = csv.find('\n', line + 1)) {
    files.push_back(csv.substr(line + 1, csv.find(',', line + 1) - line - 1));
  }
  return files;
}

modtest::Entries Tractor() {
  constexpr char kTractorItem[] =
      "<image><active>store.dds</active></image><xmlFilename>vehicles/tractor.xml</xmlFilename>";
  return {{"modDesc.xml", modtest::ModDescription(kTractorItem, "<price>45000</price>")},
          {"store.dds", modtest::DdsBytes()},
          {"vehicles/tractor.xml", modtest::VehicleFile("8000", "150", "oats wheat")}};
}

modtest::Entries Mod(const ModFields& fields) {
  const std::string version = fields.version.empty() ? "" : "<version>" + fields.version + "</version>";
  const std::string item = fields.picture ? "<storeItems><storeItem><image><active>store.png</active></image>"
                                            "</storeItem></storeItems>"
                                          : "";
  return {{"modDesc.xml", "<modDesc><author>" + fields.author + "</author>" + version + "<title><de>" + fields.title +
                              "</de></title>" + item + "</modDesc>"},
          {"store.png", modtest::PngBytes()}};
}

}  // namespace strohvik
