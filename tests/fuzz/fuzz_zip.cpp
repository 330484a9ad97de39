// Feeds arbitrary bytes to the central directory reader, then extracts every listed
// entry into memory, onto disk and through the zipe stream.

#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/scratch_folder.h"
#include "zip/zip_estream.h"
#include "zip/zip_reader.h"

namespace {

// A folder of the run's own, removed when the run ends.
const std::string& WorkFolder() {
  static const strohvik::ScratchFolder folder("fuzz_zip");
  return folder.HostPath();
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
