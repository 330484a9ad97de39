// Feeds arbitrary bytes to the central directory reader, then extracts every listed
// entry into memory, onto disk and through the zipe stream.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/file_system.h"
#include "zip/zip_estream.h"
#include "zip/zip_reader.h"

namespace {

const std::string& WorkFolder() {
  static const std::string folder = [] {
    // Memory-backed when the host has it: extraction syncs every file it writes.
    const std::string base = strohvik::IsFolder("/dev/shm") ? "/dev/shm" : "/tmp";
    const std::string path = base + "/fuzz_zip_" + std::to_string(::getpid());
    strohvik::CreateFolderWithParents(path);
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace strohvik;
  const std::string archive = WorkFolder() + "/input.zip";
  const std::string target = WorkFolder() + "/entry";
  {
    const auto input = TFileStream::Open(archive, false, true);
    if (!input || input->Write(data, static_cast<int64_t>(size)) != static_cast<int64_t>(size)) return 0;
  }

  ZipReader reader;
  // Small caps keep a lying size from spending the run on one input.
  reader.SetExtractLimit(1 << 20);
  if (!reader.OpenZip(archive)) return 0;
  for (int index = 0; index < reader.getFileCount(); ++index) {
    const auto entry = reader.getFileInfo(index);
    if (auto stream = reader.ExtractFile(entry->zipFileName, 1, "")) {
      std::string content;
      stream->ReadAll(content, 1 << 21);
    }
    reader.ExtractFile(entry->zipFileName, 0, "");
    if (reader.ExtractFileToDisk(entry->zipFileName, target, 1, "") && !DeleteFile(target)) ::rmdir(target.c_str());
    if (auto stream = TZipEStream::Create(archive, entry->zipFileName, 1, "")) {
      char chunk[4096];
      for (int reads = 0; reads < 512 && stream->Read(chunk, sizeof chunk) > 0; ++reads) {
      }
      stream->Seek(0);
      stream->Close();
    }
  }
  return 0;
}
