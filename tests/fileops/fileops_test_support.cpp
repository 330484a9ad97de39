#include "tests/fileops/fileops_test_support.h"

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
    ASSERT_TRUE(WriteFileAtomically(file, content));
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

void FileOpsTest::LinkArchiver() const { fs::create_symlink("/usr/bin/7z", Host("Tools/7z.exe")); }

}  // namespace strohvik::fileops
