#include "tests/mods/mod_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <jpeglib.h>

#include "platform/host_path.h"
#include "platform/stream.h"
#include "tests/tools/dds_fixture.h"
#include "tools/dds_converter/png_writer.h"
#include "zip/zip_writer.h"

namespace strohvik::modtest {
namespace fs = std::filesystem;

ProcessResult RecordingRunner::Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  calls.push_back(arguments);
  directories.push_back(workingDirectory);
  if (next_) return next_->Run(arguments, workingDirectory);
  return ProcessResult{true, 0};
}

namespace {

RgbaImage SmallPicture() { return testing_dds::MakePicture(16, 8, testing_dds::AlphaPattern::Opaque); }

}  // namespace

std::string PngBytes() { return EncodePng(SmallPicture()); }

std::string JpegBytes() {
  const RgbaImage picture = SmallPicture();
  std::vector<uint8_t> rgb;
  for (size_t pixel = 0; pixel < picture.pixels.size(); pixel += 4) {
    rgb.insert(rgb.end(), picture.pixels.begin() + pixel, picture.pixels.begin() + pixel + 3);
  }
  jpeg_compress_struct compressor{};
  jpeg_error_mgr errors{};
  compressor.err = jpeg_std_error(&errors);
  jpeg_create_compress(&compressor);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compressor, &buffer, &size);
  compressor.image_width = picture.width;
  compressor.image_height = picture.height;
  compressor.input_components = 3;
  compressor.in_color_space = JCS_RGB;
  jpeg_set_defaults(&compressor);
  jpeg_start_compress(&compressor, TRUE);
  while (compressor.next_scanline < compressor.image_height) {
    JSAMPROW row = rgb.data() + size_t{compressor.next_scanline} * picture.width * 3;
    jpeg_write_scanlines(&compressor, &row, 1);
  }
  jpeg_finish_compress(&compressor);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&compressor);
  std::free(buffer);
  return bytes;
}

std::string DdsBytes() { return testing_dds::MakeBlockDds(SmallPicture(), DdsFormat::Dxt1); }

void WriteArchive(const std::string& path, const Entries& entries) {
  const auto writer = ZipWriter::Create();
  EXPECT_EQ(writer->OpenZip(path, 0), 1) << path;
  for (const auto& [name, bytes] : entries) {
    std::string data = bytes;
    writer->AddStream(TRamStream::Create(data.data(), static_cast<int64_t>(data.size()), true, false), name, "");
  }
  writer->CloseZip("");
}

std::string ModDescription(const std::string& storeItem, const std::string& extra) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\" ?>\n"
         "<modDesc descVersion=\"4\">\n"
         "  <author>Hofmann</author>\n"
         "  <version>1.2</version>\n"
         "  <title><en>Big tractor</en><de>Gro\xc3\x9f" "er Traktor</de></title>\n"
         "  <description><en>Pulls.</en><de>Zieht alles.</de></description>\n"
         "  <multiplayer supported=\"true\"/>\n" +
         extra + "  <storeItems><storeItem>" + storeItem + "</storeItem></storeItems>\n</modDesc>\n";
}

std::string VehicleFile(const std::string& capacity, const std::string& fuel, const std::string& fruitTypes) {
  return "<?xml version=\"1.0\"?>\n<vehicle type=\"trailer\">\n  <capacity>" + capacity +
         "</capacity>\n  <fuelCapacity>" + fuel + "</fuelCapacity>\n  <fillTypes fruitTypes=\"" + fruitTypes +
         "\"/>\n</vehicle>\n";
}

void ModTest::SetUp() {
  fs::create_directories(root_ / "work" / "LS_2011_Data_Temp");
  fs::create_directories(root_ / "work" / "Data_Temp");
  fs::create_directories(root_ / "work" / "Tools");
  // A stand-in converter: present, so ConvertTexture starts it, but the recording runner
  // starts nothing.
  WriteFile("work/Tools/ddsConverter.exe", "");
  runner_ = std::make_shared<RecordingRunner>();
  environment_ = ModEnvironment{WorkingFolders{Sys("work")}, Sys("work/Tools/ddsConverter.exe"), runner_,
                                [this](const std::string& line) { traceLines_.push_back(line); }, nullptr, nullptr};
}

std::string ModTest::Sys(const std::string& relative) const { return SystemPath((root_ / relative).string()); }

fs::path ModTest::TempHost(const std::string& name) const { return root_ / "work" / "LS_2011_Data_Temp" / name; }

std::string ModTest::MakeArchive(const std::string& relative, const Entries& entries) const {
  fs::create_directories((root_ / relative).parent_path());
  const std::string path = Sys(relative);
  WriteArchive(path, entries);
  return path;
}

void ModTest::WriteFile(const std::string& relative, const std::string& bytes) const {
  fs::create_directories((root_ / relative).parent_path());
  std::ofstream(root_ / relative, std::ios::binary) << bytes;
}

std::string ModTest::ReadFile(const fs::path& path) const {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> ModTest::TempFiles() const {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(root_ / "work" / "LS_2011_Data_Temp")) {
    names.push_back(item.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ModTest::FilesBelowRoot() const {
  std::vector<std::string> names;
  for (const auto& item : fs::recursive_directory_iterator(root_)) {
    if (!item.is_directory()) names.push_back(item.path().lexically_relative(root_).generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void ModTest::UseRealConverter() {
  fs::remove(root_ / "work" / "Tools" / "ddsConverter.exe");
  const fs::path converter = root_ / "work" / "Tools" / "ddsConverter.exe";
  // Where links need a privilege (Windows), a copy.
  std::error_code notLinked;
  fs::create_symlink(DDS_CONVERTER_PATH, converter, notLinked);
  if (notLinked) fs::copy_file(DDS_CONVERTER_PATH, converter);
  runner_ = std::make_shared<RecordingRunner>(SystemProcessRunner());
  environment_.processes = runner_;
}

void ModTest::UseMissingConverter() { fs::remove(root_ / "work" / "Tools" / "ddsConverter.exe"); }

}  // namespace strohvik::modtest
