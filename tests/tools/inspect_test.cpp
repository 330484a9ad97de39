// The batch inspector run as a program: its JSON and CSV reports, exit codes, which
// archives a folder gives, and that it leaves the app's folders and the archives alone.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/inspect_support.h"
#include "tests/tools/test_files.h"

namespace strohvik {
namespace {

namespace fs = std::filesystem;
using modtest::Entries;
using testing::HasSubstr;

// A Latin-1 author, a title with what CSV and JSON must quote, no picture, no vehicle.
Entries Plough() {
  return {{"MODDESC.XML",
           "<modDesc><author>M\xfcller</author><title><de>Pflug \"Gro\xc3\x9f\",\x01 3m</de></title>"
           "<multiplayer supported=\"TRUE\"/></modDesc>"}};
}

Entries NoDescription() { return {{"readme.txt", "no description here"}}; }

TEST_F(InspectTest, JsonReportsEveryFieldOfTheLoadInFolderOrder) {
  MakeMod("mods/b_plough.zip", Plough());
  MakeMod("mods/a_tractor.zip", Tractor());
  const InspectorRun run = Inspect({"mods"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "[\n"
            "  {\"file\": \"mods/a_tractor.zip\", \"title\": \"Gro\xc3\x9f" "er Traktor\", \"author\": \"Hofmann\", "
            "\"version\": \"1.2\", \"description\": \"Zieht alles.\", \"price\": \"45000\", "
            "\"multiplayer\": \"Multiplayer : JA\", \"storePicture\": \"store.dds\", "
            "\"vehicleFile\": \"vehicles/tractor.xml\", \"capacity\": \"8000\", \"fuelCapacity\": \"150 L\", "
            "\"fillTypes\": [\"Weizen\", \"Hafer\", \"Hafer\"], \"status\": \"Keine Fehler.\"},\n"
            "  {\"file\": \"mods/b_plough.zip\", \"title\": \"Pflug \\\"Gro\xc3\x9f\\\",\\u0001 3m\", "
            "\"author\": \"M\xc3\xbcller\", \"version\": \"0\", \"description\": \"keine Infos\", \"price\": \"0\", "
            "\"multiplayer\": null, \"storePicture\": null, \"vehicleFile\": null, \"capacity\": \"\", "
            "\"fuelCapacity\": \"keine Infos L\", \"fillTypes\": [], \"status\": \"Kein Store Bild gefunden.\"}\n"
            "]\n");
}

TEST_F(InspectTest, CsvHasAHeaderQuotesWhereNeededAndJoinsFillTypes) {
  const std::string tractor = MakeMod("a_tractor.zip", Tractor());
  const std::string plough = MakeMod("b_plough.zip", Plough());
  const InspectorRun run = Inspect({"--format", "csv", tractor, plough});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            "file,title,author,version,description,price,multiplayer,storePicture,vehicleFile,capacity,"
            "fuelCapacity,fillTypes,status\n" +
                tractor +
                ",Gro\xc3\x9f" "er Traktor,Hofmann,1.2,Zieht alles.,45000,Multiplayer : JA,store.dds,"
                "vehicles/tractor.xml,8000,150 L,Weizen|Hafer|Hafer,Keine Fehler.\n" +
                plough +
                ",\"Pflug \"\"Gro\xc3\x9f\"\",\x01 3m\",M\xc3\xbcller,0,keine Infos,0,,,,,keine Infos L,,"
                "Kein Store Bild gefunden.\n");
}

TEST_F(InspectTest, AnArchiveWithoutReadableDescriptionIsStillReportedWithExitCodeOne) {
  MakeMod("mods/a.zip", NoDescription());
  MakeMod("mods/b.zip", {{"modDesc.xml", "this is no xml <"}});
  MakeMod("mods/c.zip", Tractor());
  const InspectorRun run = Inspect({"--format=csv", "mods"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_THAT(run.out, HasSubstr("\nmods/a.zip,,,,,,,,,,,,"
                                 "Keine modDesc.xml gefunden Bitte erst entpacken. Oder Anderen Mod W\xc3\xa4hlen.\n"));
  EXPECT_THAT(run.out, HasSubstr("\nmods/b.zip,"));
  EXPECT_THAT(run.out, HasSubstr("Die modDesc.xml ist besch\xc3\xa4" "digt und nicht lesbar.\n"));
  EXPECT_THAT(run.out, HasSubstr("\nmods/c.zip,Gro\xc3\x9f" "er Traktor,"));
}

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.name; }

const UsageCase kUsageCases[] = {
    {"NoPath", {}, "usage: strohvik-inspect [--format json|csv] [-j N] PATH..."},
    {"JobsWithoutCount", {"mods", "-j"}, "usage:"},
    {"NoJobs", {"-j", "0", "mods"}, "usage:"},
    {"UnknownFormat", {"--format", "xml", "mods"}, "usage:"},
    {"FormatWithoutValue", {"mods", "--format"}, "usage:"},
    {"UnknownOption", {"-v", "mods"}, "usage:"},
    {"MissingPath", {"mods", "nowhere.zip"}, "nowhere.zip: no such file or folder"},
};

class InspectUsage : public InspectTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(InspectUsage, EndsWithExitCodeTwoBeforeReadingAnything) {
  MakeMod("mods/a.zip", Tractor());
  const InspectorRun run = Inspect(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_THAT(run.err, HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Cases, InspectUsage, testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InspectTest, AFolderGivesItsZipFilesSortedWithoutSubfolders) {
  for (const char* name : {"mods/b.zip", "mods/A.ZIP", "mods/a.zip", "mods/sub/c.zip", "mods/d.rar"}) {
    MakeMod(name, Tractor());
  }
  fs::create_directories(root_ / "mods" / "folder.zip");
  const std::string named = MakeMod("other/any name.bin", Tractor());
  const InspectorRun run = Inspect({"--format", "csv", "mods/", named});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_THAT(FilesOfCsv(run.out), testing::ElementsAre("mods/A.ZIP", "mods/a.zip", "mods/b.zip", named));
}

TEST_F(InspectTest, LeavesTheAppsFoldersAndTheArchivesAloneAndRemovesItsOwn) {
  MakeMod("mods/a.zip", Tractor());
  MakeMod("mods/b.zip", Plough());
  testing_dds::WriteFile(root_ / "LS_2011_Data_Temp" / "modDesc.xml", "<modDesc>loaded in the app</modDesc>");
  testing_dds::WriteFile(root_ / "LS_2011_Data_Temp" / "store.png", "the app's picture");
  testing_dds::WriteFile(root_ / "Data_Temp" / "1_modDesc.xml", "an edit in progress");
  const auto before = testing_dds::SnapshotTree(root_);
  const InspectorRun run = Inspect({"mods"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(testing_dds::SnapshotTree(root_), before);
  EXPECT_TRUE(fs::is_empty(root_ / "scratch"));
}

TEST_F(InspectTest, ShowsProgressOnATerminalForMoreThanFiftyArchives) {
  for (int index = 0; index < 51; ++index) MakeMod("mods/" + std::to_string(1000 + index) + ".zip", Plough());
  std::string progress;
  const InspectorRun run = InspectOnTerminal({"--format", "csv", "mods"}, progress);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_THAT(progress, HasSubstr("51/51"));
  EXPECT_THAT(run.out, testing::Not(HasSubstr("51/51")));
}

TEST_F(InspectTest, ShowsNoProgressWhenStandardErrorIsAFile) {
  for (int index = 0; index < 51; ++index) MakeMod("mods/" + std::to_string(1000 + index) + ".zip", Plough());
  const InspectorRun run = Inspect({"mods"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
}

TEST_F(InspectTest, ReadingOnSeveralThreadsGivesTheSameReportAsOne) {
  for (int index = 0; index < 300; ++index) {
    const std::string name = "mods/mod" + std::to_string(1000 + index) + ".zip";
    if (index % 50 == 0) MakeMod(name, Tractor());
    else MakeMod(name, Mod({.title = "Mod " + std::to_string(index), .version = index % 7 ? "1.0" : "", .picture = index % 3 != 0}));
  }
  for (const char* format : {"json", "csv"}) {
    const InspectorRun one = Inspect({"--check", "--format", format, "-j", "1", "mods"});
    const InspectorRun four = Inspect({"--check", "--format", format, "-j", "4", "mods"});
    EXPECT_EQ(four.exitCode, one.exitCode) << format;
    EXPECT_EQ(four.out, one.out) << format << ": byte for byte";
    EXPECT_GT(one.out.size(), 300u * 50u);
  }
}

}  // namespace
}  // namespace strohvik
