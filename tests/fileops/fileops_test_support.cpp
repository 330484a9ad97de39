#include "tests/fileops/fileops_test_support.h"

#include <cstdio>
#include <fstream>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "zip/zip_reader.h"
#include "zip/zip_writer.h"

namespace strohvik::fileops {
namespace fs = std::filesystem;

void FileOpsTest::SetUp() {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("fileops_") + test->test_suite_name() + "_" + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  root_ = fs::absolute(fs::path(testing::TempDir()) / name);
  fs::remove_all(root_);
  fs::create_directories(root_);
  folders_ = WorkingFolders{SystemPath(root_.string())};
  fs::create_directories(HostPath(folders_.Temp()));
  fs::create_directories(HostPath(folders_.Work()));
  fs::create_directories(HostPath(folders_.Tools()));
}

void FileOpsTest::TearDown() { fs::remove_all(root_); }

std::string FileOpsTest::Sys(const std::string& relative) const {
  return folders_.workingDirectory + "\\" + relative;
}

void FileOpsTest::Write(const std::string& relative, const std::string& content) const {
  const fs::path path = Host(HostPath(relative));
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

std::string FileOpsTest::Read(const std::string& relative) const {
  std::ifstream in(Host(HostPath(relative)), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> FileOpsTest::Listing(const std::string& relative) const {
  return ListFolder(Sys(relative));
}

void FileOpsTest::MakeMod(const std::string& relative, const Entries& entries, std::time_t entryTime) const {
  const std::string staging = Sys("staging");
  fs::create_directories(HostPath(staging));
  auto writer = ZipWriter::Create();
  ASSERT_EQ(writer->OpenZip(Sys(relative), 0), 1) << relative;
  int index = 0;
  for (const auto& [name, content] : entries) {
    const std::string file = staging + "\\" + std::to_string(index++);
    ASSERT_TRUE(WriteFileAtomically(file, content, Durability::Scratch));
    ASSERT_TRUE(SetFileTime(file, entryTime));
    writer->AddFileToDest(file, name, "");
  }
  ASSERT_EQ(writer->getFileCount(), static_cast<int>(entries.size()));
  writer->CloseZip("");
  fs::remove_all(HostPath(staging));
}

Entries FileOpsTest::ReadMod(const std::string& relative) const {
  Entries entries;
  auto reader = ZipReader::Create();
  if (reader->OpenZip(Sys(relative)) != 1) {
    ADD_FAILURE() << "cannot open " << relative;
    return entries;
  }
  for (int index = 0; index < reader->getFileCount(); ++index) {
    const std::string name = reader->getFileInfo(index)->zipFileName;
    std::string content;
    auto stream = reader->ExtractFile(name, 1, "");
    if (!stream || !stream->ReadAll(content, 1 << 30)) ADD_FAILURE() << "cannot read " << name;
    entries[name] = content;
  }
  return entries;
}

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string OutputOf(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
  ::pclose(pipe);
  return output;
}

// The value of "field": "text" in a JSON record whose texts hold no escapes.
std::string JsonText(const std::string& json, const std::string& field) {
  const std::string key = "\"" + field + "\": \"";
  const size_t start = json.find(key);
  if (start == std::string::npos) return "";
  const size_t from = start + key.size();
  return json.substr(from, json.find('"', from) - from);
}

}  // namespace

std::string FileOpsTest::Inspected(const std::string& relative, const std::string& field) const {
  const std::string command = ShellQuoted(STROHVIK_INSPECT) + " --format json " + ShellQuoted(Host(HostPath(relative)).string());
  return JsonText(OutputOf(command), field);
}

void FileOpsTest::LinkArchiver() const { fs::create_symlink("/usr/bin/7z", Host("Tools/7z.exe")); }

}  // namespace strohvik::fileops
