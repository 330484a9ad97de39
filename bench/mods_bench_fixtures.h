#pragma once
// Mod archives for the mod benchmarks, written by our zip writer below the system's
// temporary folder at run time: a description, a store picture and a vehicle file at
// the top, and stored filler entries of noise to give the archive its size.

#include <cstdint>
#include <filesystem>
#include <string>

namespace strohvik::modbench {

struct ModShape {
  std::string pictureName;  // "store.png" or "store.dds"
  std::string pictureBytes;
  int fillers = 0;
  size_t fillerBytes = 0;
  int compressionLevel = 0;  // zlib's level; 0 stores every entry
  std::string title = "Kipper 18 t";
};

// An empty folder of the benchmark's own below the temporary folder.
std::filesystem::path FreshFolder(const std::string& name);
// Creates the app's temp and work folders below root.
void MakeWorkingFolders(const std::filesystem::path& root);
// Incompressible bytes, the same for the same seed.
std::string Filler(size_t size, uint32_t seed);
// Writes the archive at the host path.
void WriteMod(const std::filesystem::path& path, const ModShape& shape);
// A 256 x 256 store picture.
std::string StorePng();
std::string StoreDds();

}  // namespace strohvik::modbench
