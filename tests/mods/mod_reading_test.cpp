// Reading a whole mod into the values of the mod page, and resetting the page.

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <filesystem>

#include "mods/folder_clearing.h"
#include "mods/mod_reading.h"
#include "mods/mod_texts.h"
#include "tests/mods/mod_test_support.h"

namespace strohvik::modtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr char kStoreItem[] =
    "<image><active>store.png</active></image><xmlFilename>vehicles/tractor.xml</xmlFilename><price>45000</price>";

class ModReadingTest : public ModTest {
 protected:
  std::string NormalMod(const std::string& descriptionName = "modDesc.xml") {
    return MakeArchive("Mods/BigTractor.zip", {{descriptionName, ModDescription(kStoreItem, "<price>45000</price>")},
                                               {"store.png", PngBytes()},
                                               {"vehicles/tractor.xml", VehicleFile("8000", "150", "wheat rape")}});
  }
  ModPage Load(const std::string& archive) {
    ClearTempFolder(environment_.folders);
    ClearWorkFolder(environment_.folders);
    return ReadMod(environment_, mod_, archive);
  }
};

void ExpectNormalPage(const ModPage& page, const std::string& temp) {
  EXPECT_EQ(page.author, "Hofmann");
  EXPECT_EQ(page.title, "Großer Traktor");
  EXPECT_EQ(page.version, "1.2");
  EXPECT_EQ(page.description, "Zieht alles.");
  EXPECT_EQ(page.price, "45000");
  EXPECT_EQ(page.capacity, "8000");
  EXPECT_EQ(page.fileName, "BigTractor.zip");
  EXPECT_EQ(page.fuelCapacity, "150 L");
  EXPECT_EQ(page.multiplayer, "Multiplayer : JA");
  ASSERT_TRUE(page.fillTypes.has_value());
  EXPECT_THAT(*page.fillTypes, ElementsAre("Weizen", "Raps"));
  EXPECT_EQ(page.picture, temp + "\\store.png");
  EXPECT_EQ(page.status, "Keine Fehler.");
  EXPECT_TRUE(page.descriptionRead);
}

TEST_F(ModReadingTest, ANormalModFillsEveryField) {
  const auto archive = NormalMod();
  ExpectNormalPage(Load(archive), environment_.folders.Temp());
  EXPECT_EQ(mod_.modPath, archive);
  EXPECT_EQ(mod_.storePictureName, "store.png");
  EXPECT_EQ(mod_.vehicleFileName, "vehicles/tractor.xml");
  EXPECT_THAT(TempFiles(), ElementsAre("modDesc.xml", "store.png", "tractor.xml"));
}

TEST_F(ModReadingTest, LoadingTheSameArchiveTwiceGivesTheSamePageAndFiles) {
  const auto archive = MakeArchive("mod.zip", {{"MODDESC.XML", ModDescription(kStoreItem)},
                                               {"store.png", PngBytes()},
                                               {"vehicles/tractor.xml", VehicleFile("8000", "150", "wheat rape")}});
  const ModPage first = Load(archive);
  const auto filesAfterFirst = TempFiles();
  const ModPage second = Load(archive);
  EXPECT_EQ(first.title, second.title);
  EXPECT_EQ(first.picture, second.picture);
  EXPECT_EQ(first.fillTypes, second.fillTypes);
  EXPECT_EQ(filesAfterFirst, TempFiles());
  EXPECT_EQ(second.author, "Hofmann");
}

TEST_F(ModReadingTest, MissingElementsGetTheirPlaceholders) {
  const auto archive = MakeArchive("mod.zip", {{"modDesc.xml",
                                                "<modDesc><price>0</price><multiplayer supported=\"TRUE\"/>"
                                                "<storeItems><storeItem/></storeItems></modDesc>"}});
  const ModPage page = Load(archive);
  EXPECT_EQ(page.author, "keine Infos");
  EXPECT_EQ(page.title, "keine Infos");
  EXPECT_EQ(page.description, "keine Infos");
  EXPECT_EQ(page.version, "0");
  EXPECT_EQ(page.price, "0");
  EXPECT_FALSE(page.multiplayer.has_value());
  EXPECT_EQ(page.capacity, "");
  EXPECT_EQ(page.fuelCapacity, "keine Infos L");
  EXPECT_THAT(page.fillTypes.value(), IsEmpty());
  EXPECT_EQ(page.picture, kNoStorePicturePicture);
  EXPECT_EQ(page.status, "Kein Store Bild gefunden.");
  EXPECT_TRUE(page.descriptionRead);
  EXPECT_EQ(mod_.vehicleFileName, "0");
  EXPECT_EQ(mod_.storePictureName, "0");
}

TEST_F(ModReadingTest, MultiplayerFalseSaysNein) {
  const auto archive =
      MakeArchive("mod.zip", {{"modDesc.xml", "<modDesc><multiplayer supported=\"false\"/></modDesc>"}});
  EXPECT_EQ(Load(archive).multiplayer, "Multiplayer : NEIN");
}

// Whatever stands in the way of the description, the page shows the missing-description
// text and the empty picture, and keeps the multiplayer label and the fill-type tree.
TEST_F(ModReadingTest, NoReadableArchiveGivesTheMissingDescriptionPage) {
  WriteFile("garbage.zip", std::string(10000, '\x50'));
  NormalMod();
  const std::string truncated = ReadFile(Host("Mods/BigTractor.zip"));
  WriteFile("truncated.zip", truncated.substr(0, truncated.size() / 2));
  const std::vector<std::string> archives{
      "", Sys("missing.zip"), Sys("garbage.zip"), Sys("truncated.zip"),
      MakeArchive("nested.zip", {{"MyMod/modDesc.xml", ModDescription(kStoreItem)}}),
      MakeArchive("zipinzip.zip", {{"BigTractor.zip", truncated}})};
  for (const auto& archive : archives) {
    const ModPage page = Load(archive);
    EXPECT_EQ(page.status, "Keine modDesc.xml gefunden Bitte erst entpacken. Oder Anderen Mod Wählen.") << archive;
    EXPECT_EQ(page.picture, "incbin::Images\\bg-image-MB.png");
    for (const auto* field : {&page.author, &page.title, &page.version, &page.description, &page.price,
                              &page.capacity, &page.fileName, &page.fuelCapacity}) {
      EXPECT_EQ(*field, "") << archive;
    }
    EXPECT_FALSE(page.multiplayer.has_value());
    EXPECT_FALSE(page.fillTypes.has_value());
    EXPECT_FALSE(page.descriptionRead);
    EXPECT_EQ(mod_.modPath, archive);
  }
}

TEST_F(ModReadingTest, ADescriptionThatIsNoXmlIsReportedAsUnreadable) {
  const std::vector<std::string> descriptions{std::string("\x00\x01\x02 binary \xff", 13), "<modDesc><author>x</author><",
                                              "plain text, no tags at all"};
  for (const auto& bytes : descriptions) {
    const ModPage page = Load(MakeArchive("mod.zip", {{"modDesc.xml", bytes}}));
    EXPECT_EQ(page.status, kUnreadableModDescription);
    EXPECT_EQ(page.picture, kNoStorePicturePicture);
    EXPECT_FALSE(page.descriptionRead);
    EXPECT_EQ(page.fileName, "mod.zip");
    EXPECT_EQ(page.fuelCapacity, "keine Infos L");
  }
}

TEST_F(ModReadingTest, AFiftyMegabyteDescriptionIsReportedAsTooLarge) {
  std::string huge = ModDescription(kStoreItem);
  huge.insert(huge.find("</modDesc>"), std::string(50 << 20, ' '));
  const ModPage page = Load(MakeArchive("mod.zip", {{"modDesc.xml", huge}, {"store.png", PngBytes()}}));
  EXPECT_EQ(page.status, "Die modDesc.xml ist zu groß (51 MB) und wird nicht gelesen.");
  EXPECT_EQ(page.author, "keine Infos");
  EXPECT_EQ(page.picture, kNoStorePicturePicture);
  EXPECT_FALSE(page.descriptionRead);
}

// Sets a 16-bit or 32-bit field of every local and central header of the archive.
void PatchHeaders(std::string& archive, int localOffset, int centralOffset, uint32_t value, int width) {
  const auto patch = [&](const std::string& signature, int offset) {
    for (size_t at = archive.find(signature); at != std::string::npos; at = archive.find(signature, at + 4))
      for (int byte = 0; byte < width; ++byte) archive[at + offset + byte] = static_cast<char>(value >> (8 * byte));
  };
  if (localOffset >= 0) patch(std::string("PK\x03\x04", 4), localOffset);
  patch(std::string("PK\x01\x02", 4), centralOffset);
}

TEST_F(ModReadingTest, ADescriptionThatIsThereButCannotBeCopiedSaysWhy) {
  const struct {
    const char* name;
    void (*damage)(std::string& archive);
    const char* status;
  } cases[] = {
      {"encrypted", [](std::string& a) { PatchHeaders(a, 6, 8, 1, 2); },
       "Die modDesc.xml ist verschlüsselt und kann nicht gelesen werden."},
      {"another method", [](std::string& a) { PatchHeaders(a, 8, 10, 12, 2); },
       "Die modDesc.xml ist mit einem Verfahren gepackt, das Strohvik nicht lesen kann (Methode 12)."},
      {"larger than a copy may be", [](std::string& a) { PatchHeaders(a, -1, 24, 0xC0000000u, 4); },
       "Die modDesc.xml ist zu groß (über 2 GB) und wird nicht gelesen."},
  };
  for (const auto& c : cases) {
    MakeArchive("plain.zip", {{"modDesc.xml", ModDescription(kStoreItem)}});
    std::string archive = ReadFile(Host("plain.zip"));
    c.damage(archive);
    WriteFile("damaged.zip", archive);
    const ModPage page = Load(Sys("damaged.zip"));
    EXPECT_EQ(page.status, c.status) << c.name;
    EXPECT_FALSE(page.descriptionRead) << c.name;
  }
}

TEST_F(ModReadingTest, ADescriptionThatDoesNotFitIntoTheTempFolderSaysSo) {
  const std::filesystem::path temp = TempHost("");
  if (::mount("tmpfs", temp.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no right to mount";
  std::string large = ModDescription(kStoreItem);
  large.insert(large.find("</modDesc>"), std::string(300 << 10, ' '));
  const ModPage page = Load(MakeArchive("large.zip", {{"modDesc.xml", large}}));
  ::umount2(temp.c_str(), MNT_DETACH);
  EXPECT_EQ(page.status, "Der Temp Ordner ist voll: Die modDesc.xml (301 KB) passt nicht hinein.");
}

TEST_F(ModReadingTest, ResetDisplayEmptiesThePageAndForgetsTheMod) {
  Load(NormalMod());
  const ModPage page = ResetDisplay(mod_);
  EXPECT_EQ(mod_.modPath, "");
  for (const auto* field : {&page.author, &page.title, &page.version, &page.description, &page.price,
                            &page.capacity, &page.fileName, &page.fuelCapacity}) {
    EXPECT_EQ(*field, "");
  }
  EXPECT_EQ(page.multiplayer, "MultiPlayer : ?");
  EXPECT_EQ(page.status, "Keine Fehler.");
  EXPECT_EQ(page.picture, "incbin::Images\\bg-image-MB.png");
  EXPECT_FALSE(page.fillTypes.has_value());
}

}  // namespace
}  // namespace strohvik::modtest
