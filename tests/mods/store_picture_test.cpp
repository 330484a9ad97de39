// The store picture: which name the description gives, what is copied and converted,
// and what the panel and the status line show for every outcome.

#include <gtest/gtest.h>

#include <fstream>

#include "mods/mod_texts.h"
#include "mods/picture_check.h"
#include "mods/store_picture.h"
#include "platform/paths.h"
#include "tests/mods/mod_test_support.h"
#include "xml/xml_file.h"

namespace strohvik::modtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

struct NameCase {
  const char* description;
  const char* expected;
};

TEST(ChooseStorePictureName, TakesTheFirstCandidateThatIsThere) {
  const NameCase cases[] = {
      {"<storeItems><storeItem><image active=\"x\"><active>store.dds</active></image></storeItem></storeItems>"
       "<iconFilename>icon.png</iconFilename>",
       "store.dds"},
      // Without an extension the active image does not count.
      {"<storeItems><storeItem><image><active>store</active></image></storeItem></storeItems>"
       "<iconFilename>icon.png</iconFilename>",
       "icon.png"},
      {"<iconFilename><de>icon_de.png</de><en>icon_en.png</en></iconFilename>", "icon_de.png"},
      {"<iconFilename><en>icon_en.png</en></iconFilename>", "icon_en.png"},
      // Only the first candidate needs an extension.
      {"<iconFilename>icon</iconFilename>", "icon"},
      {"<title>nothing</title>", "0"},
  };
  const TestFolder folder("mods");
  for (const auto& [body, expected] : cases) {
    XMLFile description;
    description.Create();
    const std::string path = (folder.Path() / "modDesc.xml").string();
    std::ofstream(path) << "<modDesc>" << body << "</modDesc>";
    ASSERT_EQ(description.Open(path), 1);
    EXPECT_EQ(ChooseStorePictureName(description), expected) << body;
  }
}

TEST(CanShowPicture, KnowsTheFormatsTheWindowReads) {
  const TestFolder folder("mods");
  const std::string dir = folder.Path().string();
  std::string tga(18, '\0');
  tga[2] = 2;    // true colour
  tga[12] = 4;   // width 4
  tga[14] = 4;   // height 4
  tga[16] = 32;  // bits a pixel
  const std::string png = PngBytes();
  const std::string jpeg = JpegBytes();
  // Damaged files with the right signature: the window would show nothing.
  std::string flippedPixels = png;
  flippedPixels[flippedPixels.size() / 2] ^= 0x55;
  const std::pair<std::string, bool> cases[] = {
      {png, true},
      {jpeg, true},
      {"BM" + std::string(60, '\0'), true},
      {tga, true},
      {DdsBytes(), false},
      {"", false},
      {"\x89PNG", false},
      {std::string(18, '\0'), false},
      {png.substr(0, png.size() / 2), false},
      {flippedPixels, false},
      {jpeg.substr(0, 3) + std::string(200, '\x07'), false},
  };
  int index = 0;
  for (const auto& [bytes, showable] : cases) {
    const std::string path = dir + "/picture_" + std::to_string(index++);
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(CanShowPicture(path), showable) << index - 1;
  }
  EXPECT_FALSE(CanShowPicture(dir + "/no such picture"));
}

class StorePictureTest : public ModTest {
 protected:
  StorePictureView Show(const Entries& entries, const std::string& name) {
    mod_.modPath = MakeArchive("mod.zip", entries);
    mod_.storePictureName = name;
    return ShowStorePicture(environment_, mod_);
  }
  std::string TempSys(const std::string& name) const { return environment_.folders.Temp() + "\\" + name; }
};

TEST_F(StorePictureTest, ADdsTextureIsConvertedByTheRealConverterAndShown) {
  UseRealConverter();
  const auto view = Show({{"textures/store.dds", DdsBytes()}}, "textures/store.dds");
  EXPECT_EQ(view.picture, TempSys("store.png"));
  EXPECT_EQ(view.status, kNoErrors);
  EXPECT_TRUE(CanShowPicture(view.picture));
  // Once with the bare name while copying, once with the name as the description wrote it.
  ASSERT_EQ(runner_->calls.size(), 2u);
  EXPECT_EQ(runner_->calls[0][1], "store.dds");
  EXPECT_EQ(runner_->calls[1][1], "textures/store.dds");
  EXPECT_THAT(traceLines_, ElementsAre("Modpic>textures/store.dds<"));
  EXPECT_THAT(TempFiles(), ElementsAre("store.dds", "store.png"));
}

TEST_F(StorePictureTest, PngAndJpegPicturesAreShownFromTheTempFolder) {
  for (const auto& [name, bytes] : {std::pair{"store.png", PngBytes()}, std::pair{"pics/store.jpg", JpegBytes()}}) {
    const auto view = Show({{name, bytes}}, name);
    EXPECT_EQ(view.picture, TempSys(FilePart(name)));
    EXPECT_EQ(view.status, kNoErrors);
  }
  EXPECT_THAT(runner_->calls, IsEmpty());
}

TEST_F(StorePictureTest, ANameTheArchiveLacksShowsTheNoPicturePicture) {
  for (const std::string name : {"store.png", "0"}) {
    mod_.foundFlag = "JA";
    const auto view = Show({{"other.png", PngBytes()}}, name);
    EXPECT_EQ(view.picture, kNoStorePicturePicture);
    EXPECT_EQ(view.status, kNoStorePicture);
    EXPECT_EQ(mod_.foundFlag, "NEIN");
  }
}

TEST_F(StorePictureTest, AMissingConverterIsReportedInsteadOfAnEmptyPanel) {
  UseMissingConverter();
  const auto view = Show({{"store.dds", DdsBytes()}}, "store.dds");
  EXPECT_EQ(view.picture, kNoStorePicturePicture);
  EXPECT_EQ(view.status, kConverterMissing);
  EXPECT_THAT(traceLines_, ElementsAre("Modpic>store.dds<"));
}

TEST_F(StorePictureTest, AConverterThatWritesNoPngIsReported) {
  // The stand-in converter runs but writes nothing.
  const auto view = Show({{"store.dds", DdsBytes()}}, "store.dds");
  EXPECT_EQ(view.picture, kNoStorePicturePicture);
  EXPECT_EQ(view.status, kStorePictureUnreadable);
}

TEST_F(StorePictureTest, APictureInAFormatTheWindowCannotReadIsReported) {
  // A DDS texture under a PNG name.
  const auto disguised = Show({{"store.png", DdsBytes()}}, "store.png");
  EXPECT_EQ(disguised.picture, kNoStorePicturePicture);
  EXPECT_EQ(disguised.status, kStorePictureUnreadable);
}

TEST_F(StorePictureTest, ATextureNamedInCapitalsShowsThePngTheConverterWrote) {
  UseRealConverter();
  const auto capitals = Show({{"Store.DDS", DdsBytes()}}, "Store.DDS");
  EXPECT_EQ(capitals.picture, TempSys("Store.png"));
  EXPECT_EQ(capitals.status, kNoErrors);
  ASSERT_EQ(runner_->calls.size(), 1u) << "converted once, inside the copy";
  EXPECT_EQ(runner_->calls[0][1], "Store.dds");
}

TEST_F(StorePictureTest, APngNameServedByItsDdsTextureShowsTheConvertedPng) {
  UseRealConverter();
  const auto view = Show({{"store.dds", DdsBytes()}, {"store.png", "not used"}}, "store.png");
  EXPECT_EQ(view.picture, TempSys("store.png"));
  EXPECT_EQ(view.status, kNoErrors);
  EXPECT_TRUE(CanShowPicture(view.picture));
}

// Names from the description reach the file system only as a file part inside the temp
// folder, and the converter only as one argument: no shell runs "touch".
TEST_F(StorePictureTest, HostilePictureNamesWriteNothingOutsideTheTempFolder) {
  UseRealConverter();
  for (const std::string name : {"a;touch x.dds", "..\\..\\x.dds", "$(touch y).dds"}) {
    runner_->calls.clear();
    const auto view = Show({{name, DdsBytes()}}, name);
    EXPECT_EQ(view.status, kNoErrors) << name;
    ASSERT_EQ(runner_->calls.size(), 2u) << name;
    EXPECT_THAT(runner_->calls[1], ElementsAre(environment_.converterProgram, name));
  }
  EXPECT_THAT(FilesBelowRoot(),
              ElementsAre("mod.zip", "work/LS_2011_Data_Temp/$(touch y).dds", "work/LS_2011_Data_Temp/$(touch y).png",
                          "work/LS_2011_Data_Temp/a;touch x.dds", "work/LS_2011_Data_Temp/a;touch x.png",
                          "work/LS_2011_Data_Temp/x.dds", "work/LS_2011_Data_Temp/x.png",
                          "work/Tools/ddsConverter.exe"));
  EXPECT_FALSE(std::filesystem::exists("x"));
  EXPECT_FALSE(std::filesystem::exists("y"));
}

}  // namespace
}  // namespace strohvik::modtest
