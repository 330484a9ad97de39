// "Mod Laden" in the real main window: the file requester, every field of the mod page,
// the store picture in PlainPanel2 (converted by the real texture converter), the
// fill-type tree, and emptying the page again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/gui/input_simulation.h"
#include "shell_fixture.h"
#include "tests/mods/mod_test_support.h"

namespace strohvik {
namespace {

namespace fs = std::filesystem;
using modtest::Entries;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr char kNoStorePicture[] = "incbin::Images\\bg-image-KB.png";
constexpr char kEmptyPicture[] = "incbin::Images\\bg-image-MB.png";
constexpr char kNoDescription[] = "Keine modDesc.xml gefunden Bitte erst entpacken. Oder Anderen Mod Wählen.";

Entries NormalEntries(const std::string& pictureName, const std::string& pictureBytes) {
  return {{"modDesc.xml", modtest::ModDescription("<image><active>" + pictureName +
                                                      "</active></image><xmlFilename>vehicles/tractor.xml</xmlFilename>",
                                                  "<price>45000</price>")},
          {pictureName, pictureBytes},
          {"vehicles/tractor.xml", modtest::VehicleFile("8000", "150", "oats wheat")}};
}

// The largest difference in red, green, blue or alpha; 256 for pictures of other sizes.
int MaxDifference(const TPixmap& actual, const TPixmap& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) return 256;
  int largest = 0;
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      const uint32_t a = actual.ReadPixel(x, y);
      const uint32_t b = expected.ReadPixel(x, y);
      for (int shift = 0; shift < 32; shift += 8) {
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xff) - static_cast<int>((b >> shift) & 0xff)));
      }
    }
  }
  return largest;
}

class ModLoading : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    driver_->runProcesses = true;
    fs::create_directories(folder_ / "Tools");
    fs::create_symlink(DDS_CONVERTER_PATH, folder_ / "Tools" / "ddsConverter.exe");
    shell_->HandlePending();
  }

  std::string Converter() const { return Sys("Tools/ddsConverter.exe"); }

  std::string MakeMod(const std::string& name, const Entries& entries) { return WriteArchive("Mods/" + name, entries); }

  // The menu item, as a click on it arrives; the requester answers with path.
  void LoadThroughMenu(const std::string& path) {
    driver_->fileAnswers.push_back(path);
    SimulateMenuChoice(G("Window1#ModLaden"));
    shell_->HandlePending();
  }
  // The picture button, by the event it emits for a click.
  void LoadThroughButton(const std::string& path) {
    driver_->fileAnswers.push_back(path);
    Press("SmartButton25");
  }

  std::vector<std::string> FillTypes() {
    std::vector<std::string> names;
    for (TTreeNode* node : G("TreeView5").ChildNodes(nullptr)) names.push_back(node->Text());
    return names;
  }
  std::vector<std::string> TempFiles() const {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder_ / "LS_2011_Data_Temp")) names.push_back(item.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  int PanelDifferenceFrom(const PixmapPtr& expected) {
    const PixmapPtr shown = G("PlainPanel2").Pixmap();
    if (!shown || !expected) return 256;
    return MaxDifference(*shown, *expected);
  }
  int PanelDifferenceFrom(const std::string& pictureUrl) { return PanelDifferenceFrom(TPixmap::Load(pictureUrl)); }
};

TEST_F(ModLoading, TheMenuAsksForAnArchiveAndFillsEveryFieldOfThePage) {
  const std::string path = MakeMod("BigTractor.zip", NormalEntries("store.png", modtest::PngBytes()));
  LoadThroughMenu(path);

  ASSERT_EQ(driver_->requests.size(), 1u);
  EXPECT_EQ(driver_->requests[0].kind, "file");
  EXPECT_EQ(driver_->requests[0].title, "Mod Datei suchen.");
  EXPECT_EQ(driver_->requests[0].filter, "Zip  Dateien:zip;All Files:*");
  EXPECT_EQ(driver_->requests[0].start, "");

  EXPECT_EQ(G("TextField1").GetText(), "Hofmann");
  EXPECT_EQ(G("TextField2").GetText(), "Großer Traktor");
  EXPECT_EQ(G("TextField3").GetText(), "1.2");
  EXPECT_EQ(G("TextField4").GetText(), "Zieht alles.");
  EXPECT_EQ(G("TextField5").GetText(), "45000");
  EXPECT_EQ(G("TextField6").GetText(), "8000");
  EXPECT_EQ(G("TextField7").GetText(), "BigTractor.zip");
  EXPECT_EQ(G("Label44").GetText(), "150 L");
  EXPECT_EQ(G("Label22").GetText(), "Multiplayer : JA");
  EXPECT_EQ(G("Label41").GetText(), "Keine Fehler.");
  EXPECT_THAT(FillTypes(), ElementsAre("Weizen", "Hafer", "Hafer"));
  EXPECT_EQ(PanelDifferenceFrom(Sys("LS_2011_Data_Temp/store.png")), 0);
  EXPECT_EQ(G("PlainPanel2").PixmapFlags(), kPixmapScaleToWidth);

  EXPECT_EQ(App().state.mod.modPath, path);
  EXPECT_TRUE(G("SmartButton28").Enabled()) << "the mod commands follow the loaded mod";
  EXPECT_THAT(TempFiles(), ElementsAre("modDesc.xml", "store.png", "tractor.xml"));
}

TEST_F(ModLoading, TheButtonLoadsADdsStorePictureConvertedByTheRealConverter) {
  LoadThroughButton(MakeMod("dds.zip", NormalEntries("store.dds", modtest::DdsBytes())));

  // Once inside the copy with the bare name, once with the name as the description wrote it.
  EXPECT_THAT(driver_->startedProcesses,
              ElementsAre(ElementsAre(Converter(), "store.dds"), ElementsAre(Converter(), "store.dds")));
  EXPECT_EQ(G("Label41").GetText(), "Keine Fehler.");
  // The fixture's texture is the PNG fixture's picture; DXT1 keeps colours within two
  // 5:6:5 steps.
  EXPECT_LE(PanelDifferenceFrom(TPixmap::Decode(modtest::PngBytes())), 16);
  EXPECT_THAT(TempFiles(), ElementsAre("modDesc.xml", "store.dds", "store.png", "tractor.xml"));
}

struct PictureCase {
  const char* name;
  const char* pictureName;  // as the description names it and the archive stores it
  std::string (*bytes)();
  bool converterPresent;
  const char* shownFrom;  // the temp copy or the embedded picture the panel shows
  const char* status;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

std::string BrokenPng() { return modtest::PngBytes().substr(0, 40); }

const PictureCase kPictureCases[] = {
    {"Jpeg", "pics/store.jpg", modtest::JpegBytes, true, "LS_2011_Data_Temp/store.jpg", "Keine Fehler."},
    {"DdsWithoutConverter", "store.dds", modtest::DdsBytes, false, kNoStorePicture,
     "Store Bild nicht umgewandelt: Tools\\ddsConverter.exe fehlt."},
    {"PngThatDoesNotDecode", "store.png", BrokenPng, true, kNoStorePicture,
     "Store Bild kann nicht angezeigt werden."},
    {"DdsUnderAPictureName", "store.tga", modtest::DdsBytes, true, kNoStorePicture,
     "Store Bild kann nicht angezeigt werden."},
};

class StorePictureOnThePage : public ModLoading, public testing::WithParamInterface<PictureCase> {};

TEST_P(StorePictureOnThePage, ShowsThePictureOrSaysWhyNot) {
  const PictureCase& c = GetParam();
  if (!c.converterPresent) fs::remove(folder_ / "Tools" / "ddsConverter.exe");
  LoadThroughMenu(MakeMod("mod.zip", NormalEntries(c.pictureName, c.bytes())));
  const std::string expected = std::string(c.shownFrom).starts_with("incbin::") ? c.shownFrom : Sys(c.shownFrom);
  EXPECT_EQ(PanelDifferenceFrom(expected), 0);
  EXPECT_EQ(G("Label41").GetText(), c.status);
  EXPECT_EQ(G("TextField2").GetText(), "Großer Traktor") << "the rest of the page is read all the same";
}

INSTANTIATE_TEST_SUITE_P(Cases, StorePictureOnThePage, testing::ValuesIn(kPictureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModLoading, AConvertedPictureIsFoundWhateverSpellingTheDescriptionUses) {
  const struct {
    const char* described;
    const char* stored;
  } cases[] = {{"store.PNG", "store.dds"}, {"Store.DDS", "Store.DDS"}, {"pics/Store.Dds", "pics/store.dds"}};
  for (const auto& c : cases) {
    Entries entries = NormalEntries(c.described, modtest::DdsBytes());
    entries[1].first = c.stored;  // the archive spells the texture its own way
    LoadThroughMenu(MakeMod("spelling.zip", entries));
    EXPECT_EQ(G("Label41").GetText(), "Keine Fehler.") << c.described;
    EXPECT_LE(PanelDifferenceFrom(TPixmap::Decode(modtest::PngBytes())), 16) << c.described;
  }
}

TEST_F(ModLoading, AModWithoutStorePictureOrVehicleShowsThePlaceholders) {
  LoadThroughMenu(MakeMod("bare.zip", {{"MODDESC.XML", "<modDesc><multiplayer supported=\"false\"/></modDesc>"}}));
  EXPECT_EQ(G("TextField1").GetText(), "keine Infos");
  EXPECT_EQ(G("TextField2").GetText(), "keine Infos");
  EXPECT_EQ(G("TextField3").GetText(), "0");
  EXPECT_EQ(G("TextField4").GetText(), "keine Infos");
  EXPECT_EQ(G("TextField5").GetText(), "0");
  EXPECT_EQ(G("TextField6").GetText(), "");
  EXPECT_EQ(G("Label44").GetText(), "keine Infos L");
  EXPECT_EQ(G("Label22").GetText(), "Multiplayer : NEIN");
  EXPECT_EQ(G("Label41").GetText(), "Kein Store Bild gefunden.");
  EXPECT_EQ(PanelDifferenceFrom(kNoStorePicture), 0);
  EXPECT_THAT(FillTypes(), IsEmpty());
  EXPECT_TRUE(driver_->startedProcesses.empty());
}

TEST_F(ModLoading, CancellingAfterALoadEmptiesTheFieldsButKeepsMultiplayerAndFillTypes) {
  LoadThroughMenu(MakeMod("BigTractor.zip", NormalEntries("store.png", modtest::PngBytes())));
  // The load alone: the menu goes on to list the (now empty) mod path's folder, which
  // reports that no folder is set.
  LoadMod(App(), "");
  shell_->AfterEvent(nullptr);
  for (const char* field : {"TextField1", "TextField2", "TextField3", "TextField4", "TextField5", "TextField6",
                            "TextField7", "Label44"}) {
    EXPECT_EQ(G(field).GetText(), "") << field;
  }
  EXPECT_EQ(G("Label41").GetText(), kNoDescription);
  EXPECT_EQ(G("Label22").GetText(), "Multiplayer : JA");
  EXPECT_THAT(FillTypes(), ElementsAre("Weizen", "Hafer", "Hafer"));
  EXPECT_EQ(PanelDifferenceFrom(kEmptyPicture), 0);
  EXPECT_EQ(App().state.mod.modPath, "");
  EXPECT_FALSE(G("SmartButton28").Enabled());
  EXPECT_THAT(TempFiles(), IsEmpty()) << "the earlier mod's copies are gone";
}

TEST_F(ModLoading, AnArchiveThatIsNoZipGivesTheMissingDescriptionMessage) {
  Write("Mods/fake.zip", "no zip at all");
  LoadThroughMenu(Sys("Mods/fake.zip"));
  EXPECT_EQ(G("Label41").GetText(), kNoDescription);
  EXPECT_EQ(G("TextField7").GetText(), "");
  EXPECT_EQ(App().state.mod.modPath, Sys("Mods/fake.zip")) << "the chosen path stays";
}

TEST_F(ModLoading, ShowingTheModsFolderEmptiesThePage) {
  LoadThroughMenu(MakeMod("BigTractor.zip", NormalEntries("store.png", modtest::PngBytes())));
  Press("SmartButton33");
  for (const char* field : {"TextField1", "TextField2", "TextField3", "TextField4", "TextField5", "TextField6",
                            "TextField7", "Label44"}) {
    EXPECT_EQ(G(field).GetText(), "") << field;
  }
  EXPECT_EQ(G("Label22").GetText(), "MultiPlayer : ?");
  EXPECT_EQ(G("Label41").GetText(), "Keine Fehler.");
  EXPECT_EQ(PanelDifferenceFrom(kEmptyPicture), 0);
  EXPECT_EQ(App().state.mod.modPath, "");
}

// The description's names reach the converter only as one argument and the disk only
// inside the temp folder, whatever they hold.
TEST_F(ModLoading, HostilePictureNamesStayInsideTheTempFolder) {
  const struct {
    std::string name;
    std::string copyName;
  } hostile[] = {{"a;touch x.dds", "a;touch x.dds"}, {"..\\..\\x.dds", "x.dds"}};
  for (const auto& [name, copyName] : hostile) {
    driver_->startedProcesses.clear();
    LoadThroughMenu(MakeMod("mod.zip", NormalEntries(name, modtest::DdsBytes())));
    EXPECT_EQ(G("Label41").GetText(), "Keine Fehler.") << name;
    EXPECT_THAT(driver_->startedProcesses,
                ElementsAre(ElementsAre(Converter(), copyName), ElementsAre(Converter(), name)));
  }
  EXPECT_FALSE(fs::exists(folder_ / "x"));
  EXPECT_FALSE(fs::exists(folder_ / "x.dds"));
  EXPECT_FALSE(fs::exists(folder_.parent_path() / "x.dds"));
  EXPECT_FALSE(fs::exists(folder_.parent_path().parent_path() / "x.dds"));
}

TEST_F(ModLoading, ClosingTheWindowEmptiesTheTempFolderButKeepsItsFolders) {
  LoadThroughMenu(MakeMod("BigTractor.zip", NormalEntries("store.png", modtest::PngBytes())));
  fs::create_directories(folder_ / "LS_2011_Data_Temp" / "keep");
  EXPECT_FALSE(Send(kEventWindowClose, "Window1"));
  EXPECT_THAT(TempFiles(), ElementsAre("keep"));
}

}  // namespace
}  // namespace strohvik
