#include "mods/repack.h"

#include <filesystem>

#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/paths.h"
#include "zip/zip_reader.h"

namespace strohvik {
namespace {

constexpr int64_t kMostEditedFileBytes = 64 << 20;

std::string NativeAbsolute(const std::string& systemPath) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(HostPath(systemPath), error);
  return error ? HostPath(systemPath) : absolute.lexically_normal().string();
}

bool ReadFile(const std::string& path, std::string& bytes) {
  auto stream = TFileStream::Open(path, true, false);
  return stream && stream->ReadAll(bytes, kMostEditedFileBytes);
}

bool IsZipArchive(const std::string& archive) {
  auto reader = ZipReader::Create();
  return IsFile(archive) && reader->OpenZip(archive) == 1;
}

int EntriesNamed(const ZipReader& reader, const std::string& name) {
  int count = 0;
  for (int index = 0; index < reader.getFileCount(); ++index) {
    if (reader.getFileInfo(index)->zipFileName == name) ++count;
  }
  return count;
}

// The archive holds each edited file exactly once, under its name, with its bytes.
std::string FirstEntryNotPacked(const std::string& archive, const std::vector<std::string>& editedFiles) {
  auto reader = ZipReader::Create();
  if (reader->OpenZip(archive) != 1) return FilePart(editedFiles.front());
  for (const std::string& file : editedFiles) {
    const std::string name = FilePart(file);
    std::string expected;
    std::string packed;
    auto entry = reader->ExtractFile(name, 1, "");
    const bool good = EntriesNamed(*reader, name) == 1 && entry && ReadFile(file, expected) &&
                      entry->ReadAll(packed, kMostEditedFileBytes) && packed == expected;
    if (!good) return name;
  }
  return "";
}

}  // namespace

std::string ArchiverPath(const WorkingFolders& folders) { return JoinPath(folders.Tools(), "7z.exe"); }

std::vector<std::string> RepackArguments(const WorkingFolders& folders, const std::string& archive,
                                         const std::vector<std::string>& editedFiles) {
  std::vector<std::string> arguments = {NativeAbsolute(ArchiverPath(folders)), "u", "-tzip", "-spd", "-ux2z2", "-y",
                                        NativeAbsolute(archive)};
  for (const std::string& file : editedFiles) arguments.push_back(NativeAbsolute(file));
  return arguments;
}

std::string Repack(const WorkingFolders& folders, const std::string& archive,
                   const std::vector<std::string>& editedFiles, ProcessRunner& runner) {
  if (editedFiles.empty()) return "";
  if (!IsFile(ArchiverPath(folders))) return "Fehler: 7-Zip fehlt (" + ArchiverPath(folders) + ").";
  // The archiver would create a new archive where none is; an archive of another kind
  // it would rewrite as zip.
  if (!IsZipArchive(archive)) return "Fehler: " + archive + " ist kein vorhandenes Zip-Archiv.";
  const ProcessResult result = runner.Run(RepackArguments(folders, archive, editedFiles), folders.workingDirectory);
  if (!result.started) return "Fehler: 7-Zip konnte nicht gestartet werden.";
  if (result.exitCode != 0) return "Fehler: 7-Zip meldet Fehler (Code " + std::to_string(result.exitCode) + ").";
  const std::string missing = FirstEntryNotPacked(archive, editedFiles);
  if (!missing.empty()) return "Fehler: " + missing + " steht nach dem Packen nicht im Archiv " + archive + ".";
  return "";
}

}  // namespace strohvik
