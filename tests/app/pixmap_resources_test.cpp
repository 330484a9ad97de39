#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/embedded_resources.h"
#include "app/gui/pixmap.h"
#include "platform/audio.h"
#include "platform/stream.h"

namespace strohvik {
namespace {

TEST(Pixmap, PixelFormat6StoresRedGreenBlueAlphaBytesAndReadsPackedArgb) {
  auto pixmap = TPixmap::Create(3, 2, kPixelFormatRGBA8888, 4);
  pixmap->WritePixel(1, 1, 0x80112233);
  const uint8_t* p = pixmap->Row(1) + 4;
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{0x11, 0x22, 0x33, 0x80}));
  EXPECT_EQ(pixmap->ReadPixel(1, 1), 0x80112233u);
  EXPECT_EQ(pixmap->Pitch(), 12);
  EXPECT_EQ(TPixmap::Create(3, 1, kPixelFormatRGB888, 4)->Pitch(), 12) << "9 bytes padded to the alignment";
}

TEST(Pixmap, SubPicturesShareThePixelsAndCopiesDoNot) {
  auto pixmap = TPixmap::Create(8, 8);
  pixmap->ClearPixels(0xFF000000);
  auto window = pixmap->Window(2, 3, 4, 4);
  auto copy = pixmap->Copy();
  window->WritePixel(0, 0, 0xFFFF0000);
  EXPECT_EQ(pixmap->ReadPixel(2, 3), 0xFFFF0000u);
  EXPECT_EQ(copy->ReadPixel(2, 3), 0xFF000000u);
  EXPECT_THROW(pixmap->Window(6, 6, 4, 4), std::out_of_range);
  EXPECT_THROW(window->ReadPixel(4, 0), std::out_of_range);
}

TEST(Pixmap, ConvertingToRgbDropsAlphaAsOpaque) {
  auto pixmap = TPixmap::Create(1, 1);
  pixmap->WritePixel(0, 0, 0x10ABCDEF);
  auto rgb = pixmap->Convert(kPixelFormatRGB888);
  EXPECT_EQ(rgb->ReadPixel(0, 0), 0xFFABCDEFu);
  EXPECT_THROW(TPixmap::Create(1, 1, 99), std::invalid_argument);
}

TEST(Pixmap, DecodingRejectsWhatIsNoPicture) {
  EXPECT_EQ(TPixmap::Decode("not a picture"), nullptr);
  EXPECT_EQ(TPixmap::Load("no such file.png"), nullptr);
}

struct Resource {
  const char* name;
  int width;
  int height;
};

// Every picture the program opens, with the size it must have.
const Resource kPictures[] = {
    {"Images\\16x16-images.png", 16, 16},          {"Images/Brushed prepainted metal.png", 500, 400},
    {"Images/nav.png", 956, 61},                   {"Images/Strohvik-Logo.png", 660, 85},
    {"Images/gebuerstetealuminiumtextur.png", 512, 512}, {"Images/holzblocktextur.png", 512, 512},
    {"Images\\bg-image-MB.png", 256, 256},         {"Images/bg-image-MB.png", 256, 256},
    {"Images\\bg-image-KB.png", 256, 256},         {"Images/16x16-zip-images.png", 16, 16},
    {"Images/FarmingSimulator2011-16x16.PNG", 16, 16}, {"Images\\Folder.png", 16, 16},
    {"Images/sign_question.png", 16, 16},          {"Images/bulb_add.png", 16, 16},
    {"Images/folder_go.png", 16, 16},              {"Images/folder_mo.png", 16, 16},
    {"Images/globe.png", 16, 16},                  {"Images/ls2011_1.png", 16, 16},
    {"Images/save_dark.png", 16, 16},              {"Images/sign_cacel.png", 16, 16},
    {"Images/sign_deny.png", 16, 16},              {"Images/sign_explain.png", 16, 16},
    {"Images/spanner_go.png", 16, 16},             {"7.png", 131, 24},
    {"8.png", 109, 24},                            {"9.png", 96, 24},
    {"10.png", 123, 24},                           {"11.png", 137, 24},
    {"12.png", 114, 24},                           {"13.png", 133, 24},
    {"14.png", 135, 24},                           {"15.png", 117, 24},
    {"16.png", 153, 24},                           {"17.png", 94, 24},
    {"18.png", 57, 24},                            {"19.png", 168, 24},
    {"21.png", 108, 24},                           {"24.png", 109, 24},
};

TEST(EmbeddedResources, EveryPictureOpensByItsNameInItsSize) {
  RegisterEmbeddedResources();
  for (const Resource& picture : kPictures) {
    auto pixmap = TPixmap::Load(std::string("incbin::") + picture.name);
    ASSERT_NE(pixmap, nullptr) << picture.name;
    EXPECT_EQ(pixmap->Width(), picture.width) << picture.name;
    EXPECT_EQ(pixmap->Height(), picture.height) << picture.name;
  }
}

TEST(EmbeddedResources, NamesMatchExactlyAndTheProtocolInAnyCase) {
  RegisterEmbeddedResources();
  EXPECT_NE(ReadStream("INCBIN::Images\\Folder.png"), nullptr);
  EXPECT_EQ(ReadStream("incbin::Images/Folder.png"), nullptr) << "only the \\ form is a resource name";
  EXPECT_EQ(ReadStream("incbin::images\\Folder.png"), nullptr);
  EXPECT_EQ(ReadStream("incbin::20.png"), nullptr);
  EXPECT_EQ(OpenStream("incbin::7.png", true, true), nullptr) << "resources are read-only";
}

TEST(EmbeddedResources, BothClickSoundsAreTheSameShortWav) {
  RegisterEmbeddedResources();
  auto menuClick = TSound::Load("incbin::Images\\switch-19.wav");
  auto buttonClick = TSound::Load("incbin::switch-19.wav");
  ASSERT_NE(menuClick, nullptr);
  ASSERT_NE(buttonClick, nullptr);
  EXPECT_EQ(menuClick->ByteCount(), buttonClick->ByteCount());
  EXPECT_LT(menuClick->ByteCount() / (menuClick->SampleRate() * 2.0), 0.5) << "seconds";
  // Without an audio device this returns a silent channel instead of failing.
  EXPECT_NE(menuClick->Play(1.0f, 0.0f, 0.0f, 1.0f), nullptr);
}

TEST(Sound, PlaysToItsEndWhenTheCallerLetsGoAtOnce) {
  // OpenAL Soft's null output plays in real time without a sound card; the device is
  // opened once per process, so a test run in one process may have opened it without.
  setenv("ALSOFT_DRIVERS", "null", 0);
  if (!AudioAvailable()) GTEST_SKIP() << "the audio device was opened without the null output";
  RegisterEmbeddedResources();
  auto click = TSound::Load("incbin::Images\\switch-19.wav");
  ASSERT_NE(click, nullptr);
  const std::weak_ptr<TChannel> channel = click->Play(1.0f, 0.0f, 0.0f, 1.0f);
  click.reset();  // as the menu commands do: play and forget
  ASSERT_FALSE(channel.expired());
  EXPECT_TRUE(channel.lock()->Playing());
}

TEST(Sound, RejectsWhatIsNoPcmWav) {
  EXPECT_EQ(TSound::FromWav("RIFF\x04\0\0\0WAVE"), nullptr);
  EXPECT_EQ(TSound::FromWav(std::string("RIFF\xff\xff\xff\x7fWAVEdata\xff\xff\xff\x7f", 20)), nullptr);
  EXPECT_EQ(TSound::FromWav("plain text"), nullptr);
}

}  // namespace
}  // namespace strohvik
