#include "tests/tools/magick_reference.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/process.h"
#include "tests/tools/test_files.h"

namespace strohvik::testing_dds {
namespace {

// Debian's program by its full path, so that the reference is the packaged decoder
// whatever else the PATH holds under that name.
constexpr char kConvert[] = "/usr/bin/convert";

// ctest runs the cases of one program side by side, each in a process of its own.
std::filesystem::path ScratchBase() {
  static int serial = 0;
  const std::string name = "magick_" + std::to_string(::getpid()) + "_" + std::to_string(serial++);
  return std::filesystem::path(testing::TempDir()) / name;
}

}  // namespace

RgbaImage DecodeWithImageMagick(const std::string& ddsFile, uint32_t width, uint32_t height) {
  const std::filesystem::path base = ScratchBase();
  const std::string dds = base.string() + ".dds";
  const std::string raw = base.string() + ".rgba";
  WriteFile(dds, ddsFile);
  const ProcessResult run = RunProcess({kConvert, dds, "-depth", "8", "rgba:" + raw}, "");
  const std::string pixels = ReadFile(raw);
  std::filesystem::remove(dds);
  std::filesystem::remove(raw);
  if (!run.started || run.exitCode != 0 || pixels.size() != size_t(width) * height * 4) {
    ADD_FAILURE() << "ImageMagick did not decode the file to " << width << " x " << height << " pixels";
    return {};
  }
  return RgbaImage{width, height, std::vector<uint8_t>(pixels.begin(), pixels.end())};
}

}  // namespace strohvik::testing_dds
