#include "bench/zip_bench_fixtures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/file_system.h"
#include "platform/stream.h"
#include "zip/zip_writer.h"

extern char** environ;

namespace strohvik::zipbench {
namespace fs = std::filesystem;
namespace {

fs::path FixtureFolder() {
  const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path() / "zip_fixtures";
  fs::create_directories(folder);
  return folder;
}

std::string Noise(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& byte : bytes) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

void AddBytes(ZipWriter& writer, std::string bytes, const std::string& name) {
  writer.AddStream(TRamStream::Create(bytes.data(), static_cast<int64_t>(bytes.size()), true, false), name, "");
}

template <typename Fill>
std::string Fixture(const std::string& fileName, Fill fill) {
  const std::string path = (FixtureFolder() / fileName).string();
  if (IsFile(path)) return path;
  const std::string partial = path + ".part";
  {
    ZipWriter writer;
    if (!writer.OpenZip(partial, 0)) throw std::runtime_error("cannot write " + partial);
    fill(writer);
    writer.CloseZip("");
  }
  RenameReplacing(partial, path);
  return path;
}

}  // namespace

std::string ManyEntriesArchive() {
  return Fixture("entries_10000.zip", [](ZipWriter& writer) {
    for (int i = 0; i < 10000; ++i) {
      AddBytes(writer, "entry " + std::to_string(i), "folder" + std::to_string(i % 50) + "/file" + std::to_string(i) + ".xml");
    }
  });
}

std::string SizedArchive(int megabytes) {
  return Fixture("size_" + std::to_string(megabytes) + "mb.zip", [megabytes](ZipWriter& writer) {
    const int entries = megabytes * 10;
    for (int i = 0; i < entries; ++i) {
      const bool target = i == entries / 2;
      writer.SetCompressionLevel(target ? -1 : 0);
      AddBytes(writer, Noise(100 * 1024, static_cast<uint32_t>(i)), target ? "target.bin" : "filler" + std::to_string(i) + ".bin");
    }
  });
}

bool RunQuietly(const std::string& program, const std::string& argument1, const std::string& argument2) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument1.c_str()),
                  const_cast<char*>(argument2.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace strohvik::zipbench
