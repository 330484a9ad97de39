// Copying single entries out of an archive: which entry matches, where its copy lands,
// and what a hostile name or a damaged archive leaves behind.

#include <gtest/gtest.h>

#include "mods/archive_extraction.h"
#include "mods/folder_clearing.h"
#include "mods/temp_copy.h"
#include "tests/mods/mod_test_support.h"
#include "tests/tools/dds_fixture.h"

namespace strohvik::modtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class ExtractionTest : public ModTest {
 protected:
  std::string Extract(const std::string& archive, const std::string& wanted) {
    return ExtractFromArchive(environment_, mod_, archive, wanted, wanted);
  }
};

TEST_F(ExtractionTest, DescriptionInCapitalsIsFoundAndCopiedUnderTheTargetName) {
  const auto archive = MakeArchive("mod.zip", {{"MODDESC.XML", "<modDesc/>"}, {"zzz.txt", "x"}});
  EXPECT_EQ(ExtractFromArchive(environment_, mod_, archive, "modDesc.xml", "modDesc.xml"), "JA");
  EXPECT_EQ(mod_.foundFlag, "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("modDesc.xml"));
  EXPECT_EQ(ReadFile(TempHost("modDesc.xml")), "<modDesc/>");
}

TEST_F(ExtractionTest, AnEntryInsideAFolderIsNotATopLevelMatch) {
  const auto archive = MakeArchive("mod.zip", {{"MyMod/modDesc.xml", "<modDesc/>"}});
  mod_.foundFlag = "JA";
  EXPECT_EQ(Extract(archive, "modDesc.xml"), "NEIN");
  EXPECT_EQ(mod_.foundFlag, "NEIN");
  EXPECT_THAT(TempFiles(), IsEmpty());
}

TEST_F(ExtractionTest, AWantedNameWithAFolderIsCopiedUnderItsFilePart) {
  const auto archive = MakeArchive("mod.zip", {{"vehicles/Tractor.xml", "<vehicle/>"}});
  EXPECT_EQ(Extract(archive, "vehicles/tractor.xml"), "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("tractor.xml"));
}

TEST_F(ExtractionTest, TheDdsRuleDoesNotHijackANonPictureName) {
  const auto archive = MakeArchive("mod.zip", {{"tractor.dds", "DDS texture"}, {"tractor.xml", "<vehicle/>"}});
  EXPECT_EQ(Extract(archive, "tractor.xml"), "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("tractor.xml"));
  EXPECT_THAT(runner_->calls, IsEmpty());
}

TEST_F(ExtractionTest, APngNameIsServedByTheDdsTextureAheadOfItAndConverted) {
  const auto archive = MakeArchive("mod.zip", {{"store.dds", "DDS texture"}, {"store.png", "PNG picture"}});
  EXPECT_EQ(Extract(archive, "store.png"), "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("store.dds"));
  ASSERT_EQ(runner_->calls.size(), 1u);
  EXPECT_THAT(runner_->calls[0], ElementsAre(environment_.converterProgram, "store.dds"));
  EXPECT_EQ(runner_->directories[0], environment_.folders.workingDirectory);
}

// Only the header is looked at, so a few bytes of blocks after it are enough.
std::string TextureAnnouncing(uint32_t width, uint32_t height) {
  return testing_dds::DdsHeader(testing_dds::BlockFields("DXT1", width, height)) + std::string(64, '\0');
}

TEST_F(ExtractionTest, ATextureLargerThanTheWindowShowsIsFoundButNeitherCopiedNorConverted) {
  const auto archive = MakeArchive(
      "mod.zip", {{"over.dds", TextureAnnouncing(8192, 8193)}, {"limit.dds", TextureAnnouncing(8192, 8192)}});
  EXPECT_EQ(Extract(archive, "over.dds"), "JA");
  EXPECT_THAT(TempFiles(), IsEmpty());
  EXPECT_THAT(runner_->calls, IsEmpty());

  EXPECT_EQ(Extract(archive, "limit.dds"), "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("limit.dds"));
  EXPECT_EQ(runner_->calls.size(), 1u);
}

TEST_F(ExtractionTest, AConverterPathWithBlanksIsOneProgramArgument) {
  std::filesystem::create_directories(Host("my work/Tools"));
  WriteFile("my work/Tools/ddsConverter.exe", "");
  environment_.folders.workingDirectory = Sys("my work");
  environment_.converterProgram = Sys("my work/Tools/ddsConverter.exe");
  const auto archive = MakeArchive("mod.zip", {{"textures/Store.DDS", "DDS texture"}});
  EXPECT_EQ(Extract(archive, "textures/store.dds"), "JA");
  ASSERT_EQ(runner_->calls.size(), 1u);
  EXPECT_THAT(runner_->calls[0], ElementsAre(Sys("my work/Tools/ddsConverter.exe"), "store.dds"));
}

TEST_F(ExtractionTest, WithoutConverterTheTextureIsStillCopied) {
  UseMissingConverter();
  const auto archive = MakeArchive("mod.zip", {{"store.dds", "DDS texture"}});
  EXPECT_EQ(Extract(archive, "store.dds"), "JA");
  EXPECT_THAT(TempFiles(), ElementsAre("store.dds"));
  EXPECT_THAT(runner_->calls, IsEmpty());
}

TEST_F(ExtractionTest, NoArchiveAtAllFindsNothing) {
  WriteFile("not-a-zip.zip", std::string(4096, 'x'));
  EXPECT_EQ(Extract(Sys("not-a-zip.zip"), "modDesc.xml"), "NEIN");
  EXPECT_EQ(Extract("", "modDesc.xml"), "NEIN");
  EXPECT_EQ(Extract(Sys("missing.zip"), "modDesc.xml"), "NEIN");
  EXPECT_THAT(TempFiles(), IsEmpty());
}

// A damaged entry must not be reported as found: there is no copy to read.
TEST_F(ExtractionTest, ADamagedEntryIsNotFound) {
  const auto archive = MakeArchive("mod.zip", {{"modDesc.xml", std::string(2000, 'a')}});
  std::string bytes = ReadFile(Host("mod.zip"));
  bytes[43] ^= 0x55;  // inside the compressed data of the only entry
  WriteFile("mod.zip", bytes);
  EXPECT_EQ(Extract(archive, "modDesc.xml"), "NEIN");
  EXPECT_THAT(TempFiles(), IsEmpty());
}

TEST_F(ExtractionTest, HostileNamesStayInsideTheTempFolder) {
  const auto archive = MakeArchive("mod.zip", {{"..\\..\\evil.xml", "<a/>"}, {"../../evil2.xml", "<b/>"}, {"..", "x"}});
  EXPECT_EQ(Extract(archive, "..\\..\\evil.xml"), "JA");
  EXPECT_EQ(Extract(archive, "../../evil2.xml"), "JA");
  EXPECT_EQ(Extract(archive, ".."), "NEIN");
  EXPECT_THAT(TempFiles(), ElementsAre("evil.xml", "evil2.xml"));
  EXPECT_THAT(FilesBelowRoot(), ElementsAre("mod.zip", "work/LS_2011_Data_Temp/evil.xml",
                                            "work/LS_2011_Data_Temp/evil2.xml", "work/Tools/ddsConverter.exe"));
}

TEST(TempCopyName, KeepsOnlyAFilePartThatNamesAFile) {
  EXPECT_EQ(TempCopyName("a;touch x.dds"), "a;touch x.dds");
  EXPECT_EQ(TempCopyName("..\\..\\x.dds"), "x.dds");
  EXPECT_EQ(TempCopyName("textures/store.png"), "store.png");
  for (const auto& bad : std::vector<std::string>{"", ".", "..", "a/..", "folder/", std::string("..\0x", 4)}) {
    EXPECT_FALSE(TempCopyName(bad).has_value()) << bad;
  }
}

TEST_F(ExtractionTest, ClearingDeletesFilesButKeepsFolders) {
  WriteFile("work/LS_2011_Data_Temp/modDesc.xml", "x");
  WriteFile("work/LS_2011_Data_Temp/sub/kept.txt", "x");
  WriteFile("work/Data_Temp/1_modDesc.xml", "x");
  ClearTempFolder(environment_.folders);
  EXPECT_THAT(TempFiles(), ElementsAre("sub"));
  EXPECT_TRUE(std::filesystem::exists(TempHost("sub/kept.txt")));
  EXPECT_TRUE(std::filesystem::exists(Host("work/Data_Temp/1_modDesc.xml")));
  ClearWorkFolder(environment_.folders);
  EXPECT_FALSE(std::filesystem::exists(Host("work/Data_Temp/1_modDesc.xml")));
}

}  // namespace
}  // namespace strohvik::modtest
