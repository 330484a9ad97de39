#include "mods/repack.h"
#include "mods/repack_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "tests/fileops/fileops_test_support.h"
#include "xml/xml_file.h"

namespace strohvik::fileops {
namespace {

constexpr std::time_t kYear2030 = 1893456000;  // archived entries newer than any edit

const char* kDescription =
    "<modDesc descVersion=\"4\">\n"
    "\t<title><de>Traktor</de></title>\n"
    "\t<price>1000</price>\n"
    "\t<storeItems>\n"
    "\t\t<storeItem>\n"
    "\t\t\t<xmlFilename>vehicles/tractor.xml</xmlFilename>\n"
    "\t\t</storeItem>\n"
    "\t</storeItems>\n"
    "</modDesc>\n";
const char* kVehicle =
    "<vehicle type=\"trailer\">\n"
    "\t<fillable>\n"
    "\t\t<capacity>4000</capacity>\n"
    "\t</fillable>\n"
    "</vehicle>\n";

std::string Noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245 + 12345;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

class RepackTest : public FileOpsTest {
 public:
  void SetUp() override {
    FileOpsTest::SetUp();
    MakeLoadedMod({{"modDesc.xml", kDescription},
                   {"vehicles/tractor.xml", kVehicle},
                   {"store.dds", Noise(3000)},
                   {"sounds/horn.wav", Noise(200000)}},
                  "vehicles/tractor.xml");
  }

  // The archive, and the copies a load leaves in the temp folder.
  void MakeLoadedMod(const Entries& entries, const std::string& vehicleFileName) {
    std::filesystem::create_directories(Host("mods"));
    MakeMod("mods\\tractor.zip", entries, kYear2030);
    Write("LS_2011_Data_Temp/modDesc.xml", kDescription);
    Write("LS_2011_Data_Temp/tractor.xml", kVehicle);
    mod_ = LoadedMod{Sys("mods\\tractor.zip"), "JA", "store.dds", vehicleFileName};
  }

  SaveOutcome Save(const std::string& price, const std::string& capacity) {
    return SaveModChanges(folders_, mod_, price, capacity, *SystemProcessRunner());
  }

  // A value of an archived XML entry, read back through our own reader.
  std::string Value(const std::string& entry, const std::string& path) {
    Write("readback.xml", ReadMod("mods\\tractor.zip")[entry]);
    auto xml = XMLFile::New();
    if (xml->Open(Sys("readback.xml")) != 1) return "unreadable";
    return xml->ReadNodeText(path);
  }

  LoadedMod mod_;
};

TEST_F(RepackTest, SavedPriceAndCapacityReachTheArchiveAndNothingElseChanges) {
  LinkArchiver();
  const Entries before = ReadMod("mods\\tractor.zip");

  SaveOutcome outcome = Save("12345", "9000");
  EXPECT_EQ(outcome.status, "Keine Fehler.");
  EXPECT_EQ(outcome.traceLines, std::vector<std::string>{"XMLModPath= vehicles"});
  EXPECT_EQ(Value("modDesc.xml", "modDesc/price"), "12345");
  EXPECT_EQ(Value("modDesc.xml", "modDesc/storeItems/storeItem/xmlFilename"), "tractor.xml");
  EXPECT_EQ(Value("tractor.xml", "vehicle/fillable/capacity"), "9000");
  EXPECT_EQ(Inspected("mods\\tractor.zip", "price"), "12345");
  EXPECT_EQ(Inspected("mods\\tractor.zip", "capacity"), "9000");

  Entries after = ReadMod("mods\\tractor.zip");
  EXPECT_EQ(after.size(), before.size() + 1) << "the vehicle copy joins the top level";
  for (const auto& [name, content] : before) {
    if (name != "modDesc.xml") {
      EXPECT_EQ(after[name], content) << name;
    }
  }

  outcome = Save("777", "8000");
  EXPECT_EQ(outcome.status, "Keine Fehler.");
  EXPECT_EQ(Value("modDesc.xml", "modDesc/price"), "777") << "the second save wins";
  EXPECT_EQ(Value("tractor.xml", "vehicle/fillable/capacity"), "8000");
  EXPECT_EQ(Inspected("mods\\tractor.zip", "price"), "777");
  EXPECT_EQ(Inspected("mods\\tractor.zip", "capacity"), "8000");
  EXPECT_EQ(ReadMod("mods\\tractor.zip").size(), before.size() + 1);
  EXPECT_EQ(Read("Data_Temp/modDesc.xml"), ReadMod("mods\\tractor.zip")["modDesc.xml"]);

  EXPECT_EQ(RunProcess({"unzip", "-tq", Host("mods/tractor.zip").string()}, "").exitCode, 0);
}

TEST_F(RepackTest, EntriesStoredInCapitalsAreReplacedNotDuplicated) {
  LinkArchiver();
  MakeLoadedMod({{"MODDESC.XML", kDescription}, {"TRACTOR.XML", kVehicle}, {"store.dds", Noise(100)}}, "tractor.xml");
  const SaveOutcome outcome = Save("2500", "6000");
  EXPECT_EQ(outcome.status, "Keine Fehler.");
  EXPECT_TRUE(outcome.traceLines.empty()) << "a top-level vehicle file keeps its xmlFilename";
  const Entries after = ReadMod("mods\\tractor.zip");
  EXPECT_EQ(after.size(), 3u);
  EXPECT_EQ(Value("MODDESC.XML", "modDesc/price"), "2500");
  EXPECT_EQ(Value("MODDESC.XML", "modDesc/storeItems/storeItem/xmlFilename"), "vehicles/tractor.xml");
  EXPECT_EQ(Value("TRACTOR.XML", "vehicle/fillable/capacity"), "6000");
}

TEST_F(RepackTest, EmptyCapacityPacksOnlyTheDescription) {
  LinkArchiver();
  const Entries before = ReadMod("mods\\tractor.zip");
  const SaveOutcome outcome = Save("1500", "");
  EXPECT_EQ(outcome.status, "Keine Fehler.");
  EXPECT_TRUE(outcome.traceLines.empty());
  const Entries after = ReadMod("mods\\tractor.zip");
  EXPECT_EQ(after.size(), before.size());
  EXPECT_EQ(after.at("vehicles/tractor.xml"), kVehicle);
  EXPECT_EQ(Value("modDesc.xml", "modDesc/storeItems/storeItem/xmlFilename"), "vehicles/tractor.xml")
      << "no vehicle copy was written, so the description keeps pointing at the original";
  EXPECT_EQ(Listing("Data_Temp"), std::vector<std::string>{"modDesc.xml"});
}

TEST_F(RepackTest, RefusedSavesLeaveTheArchiveAndTheWorkFolderAlone) {
  struct Case {
    std::string name;
    std::string price;
    std::string capacity;
    std::function<void(RepackTest&)> prepare;
    std::string statusPart;
  };
  const std::vector<Case> cases = {
      {"price with markup", "<b>1</b>", "9000", nullptr, "Der Preis darf keine"},
      {"capacity with a quote", "1", "9\"000", nullptr, "Die Kapazität darf keine"},
      {"no description copy", "1", "",
       [](RepackTest& t) { DeleteFile(t.Sys("LS_2011_Data_Temp\\modDesc.xml")); }, kCouldNotOpen},
      {"no vehicle copy", "1", "9000",
       [](RepackTest& t) { DeleteFile(t.Sys("LS_2011_Data_Temp\\tractor.xml")); }, kCouldNotOpen},
      {"vehicle named like the description", "1", "9000",
       [](RepackTest& t) { t.mod_.vehicleFileName = "vehicles/MODDESC.xml"; }, "heißt wie modDesc.xml"},
      {"no archiver", "1", "9000", [](RepackTest& t) { std::filesystem::remove(t.Host("Tools/7z.exe")); },
       "7-Zip fehlt"},
      {"description spread over lines", "1", "",
       [](RepackTest& t) { t.Write("LS_2011_Data_Temp/modDesc.xml", "<modDesc>\n<price>\n1\n</price>\n"); },
       "Zeile 2: <price>"},
      {"description without price", "1", "",
       [](RepackTest& t) { t.Write("LS_2011_Data_Temp/modDesc.xml", "<modDesc>\n</modDesc>\n"); },
       "enthält kein <price>"},
  };
  LinkArchiver();
  const std::string archive = Read("mods/tractor.zip");
  for (const Case& c : cases) {
    SetUp();
    LinkArchiver();
    if (c.prepare) c.prepare(*this);
    const SaveOutcome outcome = Save(c.price, c.capacity);
    EXPECT_NE(outcome.status.find(c.statusPart), std::string::npos) << c.name << ": " << outcome.status;
    EXPECT_EQ(Read("mods/tractor.zip"), archive) << c.name;
    EXPECT_TRUE(Listing("Data_Temp").empty()) << c.name;
  }
}

TEST_F(RepackTest, WithoutAPriceLineTheLoadsZeroLetsTheCapacityBeSaved) {
  const std::string noPrice =
      "<modDesc>\n\t<storeItems>\n\t\t<storeItem>\n\t\t\t<xmlFilename>vehicles/tractor.xml</xmlFilename>\n"
      "\t\t</storeItem>\n\t</storeItems>\n</modDesc>\n";
  LinkArchiver();
  MakeLoadedMod({{"modDesc.xml", noPrice}, {"vehicles/tractor.xml", kVehicle}}, "vehicles/tractor.xml");
  Write("LS_2011_Data_Temp/modDesc.xml", noPrice);

  EXPECT_NE(Save("2500", "9000").status.find("enthält kein <price>"), std::string::npos)
      << "a price the player typed has no line to go into";
  EXPECT_EQ(ReadMod("mods\\tractor.zip").count("tractor.xml"), 0u) << "and nothing was saved";

  EXPECT_EQ(Save("0", "9000").status, "Keine Fehler.");
  EXPECT_EQ(Value("tractor.xml", "vehicle/fillable/capacity"), "9000");
  EXPECT_EQ(Value("modDesc.xml", "modDesc/storeItems/storeItem/xmlFilename"), "tractor.xml");
  EXPECT_EQ(Value("modDesc.xml", "modDesc/price"), "0") << "no price line was made up";
}

TEST_F(RepackTest, OnlyAnExistingZipArchiveIsRepacked) {
  LinkArchiver();
  mod_.modPath = Sys("mods\\renamed.zip");
  EXPECT_NE(Save("1", "9000").status.find("kein vorhandenes Zip-Archiv"), std::string::npos);
  EXPECT_FALSE(Exists("mods/renamed.zip")) << "the archiver must not create a new archive";

  Write("mods/notes.zip", "not an archive");
  mod_.modPath = Sys("mods\\notes.zip");
  EXPECT_NE(Save("1", "9000").status.find("kein vorhandenes Zip-Archiv"), std::string::npos);
  EXPECT_EQ(Read("mods/notes.zip"), "not an archive");
}

TEST_F(RepackTest, ArchiverGetsNativeAbsolutePathsOfItsCopyAndItsFailuresAreReported) {
  LinkArchiver();
  const std::string archive = Read("mods/tractor.zip");
  RecordingRunner failing({true, 2});
  EXPECT_EQ(SaveModChanges(folders_, mod_, "1", "9000", failing).status,
            "Fehler: 7-Zip konnte den Mod nicht packen (Code 2); der Mod ist unverändert.");
  ASSERT_EQ(failing.calls.size(), 1u);
  const auto& [arguments, directory] = failing.calls[0];
  EXPECT_EQ(arguments, (std::vector<std::string>{Host("Tools/7z.exe").string(), "u", "-tzip", "-spd", "-ux2z2", "-y",
                                                 Host("mods/.strohvik-repack.tractor.zip").string(),
                                                 Host("Data_Temp/tractor.xml").string(),
                                                 Host("Data_Temp/modDesc.xml").string()}));
  EXPECT_EQ(directory, folders_.workingDirectory);

  RecordingRunner missing({false, -1});
  EXPECT_EQ(SaveModChanges(folders_, mod_, "1", "9000", missing).status,
            "Fehler: 7-Zip konnte nicht gestartet werden; der Mod ist unverändert.");
  EXPECT_EQ(Read("mods/tractor.zip"), archive);
  EXPECT_EQ(Listing("mods"), std::vector<std::string>{"tractor.zip"});
}

}  // namespace
}  // namespace strohvik::fileops
