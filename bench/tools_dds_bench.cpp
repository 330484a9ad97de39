// Converts one 2048 x 2048 DXT5 texture to PNG with our converter and with ImageMagick
// "convert", in one run, so the two figures compare directly.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/process.h"
#include "tests/tools/dds_fixture.h"
#include "tools/dds_converter/png_writer.h"
#include "tools/dds_converter/texture_conversion.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

constexpr uint32_t kSide = 2048;

// Smooth waves with grain on top, closer to a painted texture than clean gradients,
// which would flatter any PNG encoder.
RgbaImage MakeTexture() {
  RgbaImage texture = testing_dds::MakePicture(kSide, kSide, testing_dds::AlphaPattern::Ramp);
  std::minstd_rand random(2011);
  for (uint8_t& value : texture.pixels) value = uint8_t(std::clamp(int(value) + int(random() % 25) - 12, 0, 255));
  return texture;
}

// The app's working directory with the texture in its temp folder, made once.
const fs::path& WorkingDirectory() {
  static const fs::path working = [] {
    const fs::path folder = fs::temp_directory_path() / "strohvik_tools_bench";
    fs::remove_all(folder);
    fs::create_directories(folder / kTempFolderName);
    std::ofstream(folder / kTempFolderName / "store.dds", std::ios::binary)
        << testing_dds::MakeBlockDds(MakeTexture(), DdsFormat::Dxt5);
    return folder;
  }();
  return working;
}

void RunOrFail(benchmark::State& state, const std::vector<std::string>& command) {
  const ProcessResult result = RunProcess(command, WorkingDirectory().string());
  if (!result.started || result.exitCode != 0) state.SkipWithError(("failed: " + command.front()).c_str());
}

void ConverterProgram(benchmark::State& state) {
  WorkingDirectory();
  for (auto _ : state) RunOrFail(state, {DDS_CONVERTER_PATH, "store.dds"});
}

void ImageMagickConvert(benchmark::State& state) {
  const std::string folder = std::string(kTempFolderName) + "/";
  WorkingDirectory();
  for (auto _ : state) RunOrFail(state, {"convert", folder + "store.dds", folder + "imagemagick.png"});
}

void ConverterInProcess(benchmark::State& state) {
  const std::string dds = (WorkingDirectory() / kTempFolderName / "store.dds").string();
  for (auto _ : state) benchmark::DoNotOptimize(EncodePng(ReadDdsFile(dds)));
}

BENCHMARK(ConverterProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(ImageMagickConvert)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(ConverterInProcess)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
}  // namespace strohvik
