// Runs the built converter the way the app does: the program path, one blank, and the
// picture name from the mod description, unquoted, in the app's working directory.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/process.h"
#include "tests/test_folder.h"
#include "tests/tools/dds_fixture.h"
#include "tests/tools/test_files.h"
#include "tools/dds_converter/png_writer.h"
#include "tools/dds_converter/texture_conversion.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;
using namespace testing_dds;

// Sends this process's standard error, and so the child's inherited one, into a file.
class StderrToFile {
 public:
  explicit StderrToFile(const fs::path& path) {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
  }
  ~StderrToFile() {
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  StderrToFile(const StderrToFile&) = delete;
  StderrToFile& operator=(const StderrToFile&) = delete;

 private:
  int saved_;
};

struct ConverterRun {
  int exitCode = -1;
  std::string errorOutput;
};

// The working directory lies two levels down, so that names climbing out of the temp
// folder or out of the working directory would land inside the watched tree.
class ConverterSandbox {
 public:
  explicit ConverterSandbox(const std::string& name)
      : root_(folder_.Path() / name),
        working_(root_ / "a" / "b" / "work"),
        temp_(working_ / kTempFolderName) {
    fs::remove_all(root_);
    fs::create_directories(temp_);
  }

  ConverterRun Convert(const std::string& name) const {
    const fs::path errorFile = root_.string() + ".stderr";
    ConverterRun run;
    {
      StderrToFile capture(errorFile);
      run.exitCode = RunCommandLine(std::string(DDS_CONVERTER_PATH) + " " + name, working_.string()).exitCode;
    }
    run.errorOutput = ReadFile(errorFile);
    return run;
  }

  const fs::path& root() const { return root_; }
  const fs::path& working() const { return working_; }
  const fs::path& temp() const { return temp_; }

 private:
  TestFolder folder_{"ddsconv"};
  fs::path root_;
  fs::path working_;
  fs::path temp_;
};

std::string TestName() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }

const RgbaImage kPicture = MakePicture(40, 24, AlphaPattern::Ramp);

struct NameCase {
  const char* label;
  const char* descriptionName;  // as the mod description writes it
  const char* ddsFile;          // where the app put the texture in the temp folder
  const char* pngFile;          // what the converter must write there
};
void PrintTo(const NameCase& name, std::ostream* out) { *out << name.descriptionName; }

const NameCase kNameCases[] = {
    {"Bare", "store.dds", "store.dds", "store.png"},
    {"BackslashFolder", "textures\\store.dds", "store.dds", "store.png"},
    {"SlashFolder", "textures/store.dds", "store.dds", "store.png"},
    {"Blank", "my store.dds", "my store.dds", "my store.png"},
    {"ClimbingOut", "..\\..\\x.dds", "x.dds", "x.png"},
    {"ShellCommand", "a;touch x.dds", "a;touch x.dds", "a;touch x.png"},
};

class ConverterNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ConverterNameTest, WritesOnlyThePngBesideTheTextureInTheTempFolder) {
  const NameCase& name = GetParam();
  const ConverterSandbox sandbox(name.label);
  const std::string dds = MakeBlockDds(kPicture, DdsFormat::Dxt5, true);
  WriteFile(sandbox.temp() / name.ddsFile, dds);
  // Decoys a converter would find if it followed the name out of the temp folder.
  for (const fs::path& folder : {sandbox.root() / "a", sandbox.root() / "a" / "b", sandbox.working()}) {
    WriteFile(folder / "x.dds", dds);
  }
  const auto before = SnapshotTree(sandbox.root());

  // The app converts twice for one picture; the second run replaces the first PNG.
  for (int run = 0; run < 2; ++run) {
    const ConverterRun result = sandbox.Convert(name.descriptionName);
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
  }

  auto after = SnapshotTree(sandbox.root());
  const std::string pngKey = (fs::path("a") / "b" / "work" / kTempFolderName / name.pngFile).string();
  ASSERT_EQ(after.count(pngKey), 1u);
  const RgbaImage converted = DecodePng(after[pngKey]);
  EXPECT_LE(MaxColourDifference(kPicture, converted), 16);
  EXPECT_LE(MaxAlphaDifference(kPicture, converted), 9);
  after.erase(pngKey);
  EXPECT_EQ(after, before) << "the converter wrote or changed something besides its PNG";
}

INSTANTIATE_TEST_SUITE_P(Names, ConverterNameTest, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.label); });

struct DamagedCase {
  const char* name;
  std::function<std::string()> make;  // the store.dds in the temp folder; none when null
};
void PrintTo(const DamagedCase& damaged, std::ostream* out) { *out << damaged.name; }

const DamagedCase kDamagedCases[] = {
    {"Missing", nullptr},
    {"Empty", [] { return std::string(); }},
    {"Text", [] { return std::string("this is no texture\n"); }},
    {"Truncated",
     [] {
       const std::string file = MakeBlockDds(kPicture, DdsFormat::Dxt5);
       return file.substr(0, file.size() / 2);
     }},
    {"AbsurdSize", [] { return DdsHeader(BlockFields("DXT5", 100000, 100000)) + std::string(4096, '\0'); }},
    {"UnknownFormat", [] { return DdsHeader(BlockFields("ATI2", 16, 16)) + std::string(4096, '\0'); }},
};

class ConverterDamagedTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(ConverterDamagedTest, FailsLoudlyAndKeepsTheEarlierPng) {
  const ConverterSandbox sandbox(std::string("damaged_") + GetParam().name);
  if (GetParam().make) WriteFile(sandbox.temp() / "store.dds", GetParam().make());
  WriteFile(sandbox.temp() / "store.png", EncodePng(kPicture));
  const auto before = SnapshotTree(sandbox.root());

  const ConverterRun result = sandbox.Convert("store.dds");

  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.errorOutput.find("store.dds"), std::string::npos) << result.errorOutput;
  EXPECT_EQ(SnapshotTree(sandbox.root()), before);
}

INSTANTIATE_TEST_SUITE_P(Files, ConverterDamagedTest, testing::ValuesIn(kDamagedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConverterUsageTest, NoNameIsAUsageError) {
  const ConverterSandbox sandbox(TestName());
  const ConverterRun result = sandbox.Convert("");
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.errorOutput.find("usage"), std::string::npos) << result.errorOutput;
  EXPECT_TRUE(SnapshotTree(sandbox.root()).empty());
}

// A texture stored under a PNG name would otherwise be replaced by its own conversion.
TEST(ConverterUsageTest, NeverWritesOverItsInput) {
  const ConverterSandbox sandbox(TestName());
  WriteFile(sandbox.temp() / "store.png", MakeBlockDds(kPicture, DdsFormat::Dxt5));
  const auto before = SnapshotTree(sandbox.root());
  const ConverterRun result = sandbox.Convert("store.png");
  EXPECT_NE(result.exitCode, 0);
  EXPECT_FALSE(result.errorOutput.empty());
  EXPECT_EQ(SnapshotTree(sandbox.root()), before);
}

}  // namespace
}  // namespace strohvik
