#include "bench/mods_bench_fixtures.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include "platform/host_path.h"
#include "platform/stream.h"
#include "tests/tools/dds_fixture.h"
#include "tools/dds_converter/png_writer.h"
#include "zip/zip_writer.h"

namespace strohvik::modbench {
namespace fs = std::filesystem;
namespace {

constexpr char kVehicle[] =
    "<?xml version=\"1.0\"?>\n<vehicle type=\"trailer\">\n  <capacity>18000</capacity>\n"
    "  <fuelCapacity>150</fuelCapacity>\n  <fillTypes fruitTypes=\"wheat barley rape maize oats\"/>\n</vehicle>\n";

std::string Description(const std::string& pictureName, const std::string& title) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\" ?>\n<modDesc descVersion=\"4\">\n"
         "  <author>Hofmann</author>\n  <version>1.2</version>\n"
         "  <title><en>Tipper</en><de>" + title + "</de></title>\n"
         "  <description><en>Carries grain.</en><de>F\xc3\xa4hrt Getreide.</de></description>\n"
         "  <multiplayer supported=\"true\"/>\n  <storeItems><storeItem><image><active>" +
         pictureName +
         "</active></image><xmlFilename>vehicles/kipper.xml</xmlFilename></storeItem></storeItems>\n"
         "  <price>45000</price>\n</modDesc>\n";
}

void Add(ZipWriter& writer, std::string bytes, const std::string& name) {
  writer.AddStream(TRamStream::Create(bytes.data(), static_cast<int64_t>(bytes.size()), true, false), name, "");
}

RgbaImage Picture() { return testing_dds::MakePicture(256, 256, testing_dds::AlphaPattern::Opaque); }

}  // namespace

std::string Filler(size_t size, uint32_t seed) {
  std::minstd_rand random(seed);
  std::string bytes(size, '\0');
  std::generate(bytes.begin(), bytes.end(), [&random] { return static_cast<char>(random() >> 7); });
  return bytes;
}

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("strohvik_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void MakeWorkingFolders(const fs::path& root) {
  fs::create_directories(root / "LS_2011_Data_Temp");
  fs::create_directories(root / "Data_Temp");
}

void WriteMod(const fs::path& path, const ModShape& shape) {
  ZipWriter writer;
  if (!writer.OpenZip(SystemPath(path.string()), 0)) throw std::runtime_error("cannot write " + path.string());
  writer.SetCompressionLevel(shape.compressionLevel);
  Add(writer, Description(shape.pictureName, shape.title), "modDesc.xml");
  Add(writer, shape.pictureBytes, shape.pictureName);
  Add(writer, kVehicle, "vehicles/kipper.xml");
  for (int index = 0; index < shape.fillers; ++index) {
    Add(writer, Filler(shape.fillerBytes, static_cast<uint32_t>(index + 1)),
        "textures/part" + std::to_string(index / 100) + "/filler" + std::to_string(index) + ".dds");
  }
  writer.CloseZip("");
}

std::string StorePng() { return EncodePng(Picture()); }
std::string StoreDds() { return testing_dds::MakeBlockDds(Picture(), DdsFormat::Dxt1); }

}  // namespace strohvik::modbench
