// The inspector's check run as a program: each problem code with its text on a folder
// made to hold one of each, a folder where nothing is wrong, damaged entries, files it
// may not read, names the report must escape, and the summary at a terminal.

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

// The problems array of the JSON record of file; one record per line.
std::string ProblemsOf(const std::string& json, const std::string& file) {
  const size_t record = json.find("{\"file\": \"" + file + "\"");
  if (record == std::string::npos) return "no record";
  const size_t start = json.find("\"problems\": ", record) + 12;
  return json.substr(start, json.rfind(']', json.find('\n', start)) + 1 - start);
}

std::string One(const std::string& code, const std::string& text) {
  return "[{\"code\": \"" + code + "\", \"text\": \"" + text + "\"}]";
}

constexpr char kNameRule[] =
    " Das Spiel lädt nur Mods, deren Name aus Buchstaben (A-Z), Ziffern und „_“ besteht und nicht mit einer "
    "Ziffer beginnt. Vorschlag: ";

class InspectCheck : public InspectTest {
 protected:
  void MakeFile(const std::string& relative, const std::string& bytes) const {
    testing_dds::WriteFile(root_ / relative, bytes);
  }
};

TEST_F(InspectCheck, ReportsEachProblemWithItsCodeAndText) {
  MakeMod("mods/Ballenpresse.zip", Mod({"Ballenpresse"}));
  MakeMod("mods/3Achser.zip", Mod({"Dreiachser"}));
  MakeMod("mods/Egge.zip", Mod({"Egge"}));
  fs::copy_file(root_ / "mods/Egge.zip", root_ / "mods/Egge(1).zip");
  MakeMod("mods/Kopie von Walze.zip", Mod({"Walze"}));
  MakeFile("mods/Grubber.zip", std::string("Rar!\x1a\x07\x00", 7) + "rest of a rar archive");
  MakeMod("mods/Pack.zip", {{"Egge.zip", "a mod"}, {"Walze.zip", "another mod"}});
  MakeMod("mods/Verpackt.zip", {{"Verpackt/modDesc.xml", "<modDesc/>"}});
  MakeMod("mods/Leer.zip", {{"liesmich.txt", "nothing else"}});
  MakeMod("mods/Kaputt.zip", {{"modDesc.xml", "this is no xml <"}});
  MakeMod("mods/OhneVersion.zip", Mod({"Sämaschine", ""}));
  MakeMod("mods/OhneBild.zip", Mod({"Mulcher", "1.0", false}));
  Entries badPicture = Mod({"Kipper"});
  badPicture[1].second = "no png at all";
  MakeMod("mods/BildKaputt.zip", badPicture);
  MakeMod("mods/Drescher.zip", Mod({"Drescher", "2.0"}));
  MakeMod("mods/DrescherAlt.zip", Mod({"Drescher", "1.1"}));
  MakeFile("mods/liesmich.txt", "install notes");
  MakeMod("mods/Abgebrochen.zip", Mod({"Abgebrochen"}));
  fs::resize_file(root_ / "mods/Abgebrochen.zip", 60);
  MakeFile("mods/Leer.zip.zip", "");
  fs::create_directories(root_ / "mods/Ordner.zip");
  fs::create_directories(root_ / "mods/Unterordner");
  const InspectorRun run = Inspect({"--check", "mods"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "");
  const std::string& out = run.out;
  const std::string copyOfEgge = "Gleicher Inhalt wie „Egge(1).zip“: Das Spiel lädt den Mod doppelt. Eine der beiden "
                                 "Dateien kann gelöscht werden.";
  EXPECT_EQ(ProblemsOf(out, "mods/Ballenpresse.zip"), "[]");
  EXPECT_EQ(ProblemsOf(out, "mods/3Achser.zip"),
            One("name-invalid", "Der Name „3Achser“ beginnt mit einer Ziffer." + std::string(kNameRule) +
                                    "Mod_3Achser.zip"));
  EXPECT_EQ(ProblemsOf(out, "mods/Egge.zip"), One("duplicate", copyOfEgge));
  EXPECT_EQ(ProblemsOf(out, "mods/Egge(1).zip"),
            "[{\"code\": \"name-invalid\", \"text\": \"Der Name „Egge(1)“ enthält das Zeichen „(“." +
                std::string(kNameRule) + "Egge_1_.zip\"}, "
                "{\"code\": \"duplicate\", \"text\": \"Gleicher Inhalt wie „Egge.zip“: Das Spiel lädt den Mod "
                "doppelt. Eine der beiden Dateien kann gelöscht werden.\"}, "
                "{\"code\": \"probable-copy\", \"text\": \"Der Name sieht nach einer Kopie oder einem zweiten "
                "Download aus. Das Original „Egge.zip“ liegt daneben und ist gleich: Diese Datei kann gelöscht "
                "werden.\"}]");
  EXPECT_THAT(ProblemsOf(out, "mods/Kopie von Walze.zip"),
              HasSubstr("{\"code\": \"probable-copy\", \"text\": \"Der Name sieht nach einer Kopie oder einem "
                        "zweiten Download aus. Das Original „Walze.zip“ liegt nicht im selben Ordner.\"}"));
  EXPECT_EQ(ProblemsOf(out, "mods/Grubber.zip"),
            One("not-zip", "Die Datei ist ein RAR-Archiv. Das Spiel liest nur ZIP-Archive: Bitte entpacken und als "
                           "ZIP packen."));
  EXPECT_EQ(ProblemsOf(out, "mods/Pack.zip"),
            One("mod-pack", "Das ist ein Mod-Paket mit weiteren ZIP-Archiven (z. B. „Egge.zip“). Bitte erst "
                            "entpacken und die einzelnen Mods in den Mods-Ordner legen."));
  EXPECT_EQ(ProblemsOf(out, "mods/Verpackt.zip"),
            One("nested", "Die modDesc.xml liegt in einem Unterordner („Verpackt/modDesc.xml“). Das Spiel sucht "
                          "sie ganz oben im Archiv: Bitte den Inhalt des Ordners neu packen."));
  EXPECT_EQ(ProblemsOf(out, "mods/Leer.zip"),
            One("no-moddesc", "Das Archiv enthält keine modDesc.xml. Ohne sie ist es kein Mod für das Spiel."));
  EXPECT_EQ(ProblemsOf(out, "mods/Kaputt.zip"),
            One("moddesc-unreadable", "Die modDesc.xml kann nicht gelesen werden: Die modDesc.xml ist beschädigt "
                                      "und nicht lesbar."));
  EXPECT_EQ(ProblemsOf(out, "mods/OhneVersion.zip"),
            One("no-version", "In der modDesc.xml steht keine Version. Ohne sie lässt sich nicht erkennen, ob der "
                              "Mod aktuell ist."));
  EXPECT_EQ(ProblemsOf(out, "mods/OhneBild.zip"),
            One("no-store-picture", "Der Mod hat kein Store-Bild: Im Shop erscheint er ohne Bild."));
  EXPECT_EQ(ProblemsOf(out, "mods/BildKaputt.zip"),
            One("store-picture-unreadable", "Das Store-Bild „store.png“ ist beschädigt oder in einem Format, das "
                                            "nicht lesbar ist."));
  const std::string drescher = "Derselbe Mod („Drescher“ von Hofmann) liegt zweimal vor: ";
  EXPECT_EQ(ProblemsOf(out, "mods/Drescher.zip"),
            One("same-mod", drescher + "„Drescher.zip“ (Version 2.0) und „DrescherAlt.zip“ (Version 1.1). Das Spiel "
                                       "lädt beide: Bitte nur eine behalten."));
  EXPECT_EQ(ProblemsOf(out, "mods/DrescherAlt.zip"),
            One("same-mod", drescher + "„DrescherAlt.zip“ (Version 1.1) und „Drescher.zip“ (Version 2.0). Das Spiel "
                                       "lädt beide: Bitte nur eine behalten."));
  const std::string stoppedDownload =
      One("damaged", "Das Archiv ist unvollständig: Meist ist der Download abgebrochen. Bitte den Mod neu "
                     "herunterladen.");
  EXPECT_EQ(ProblemsOf(out, "mods/Abgebrochen.zip"), stoppedDownload);
  EXPECT_THAT(ProblemsOf(out, "mods/Leer.zip.zip"), HasSubstr(stoppedDownload.substr(1)));
  EXPECT_EQ(ProblemsOf(out, "mods/Ordner.zip"),
            One("not-zip", "Das ist ein Ordner, kein ZIP-Archiv. Das Spiel liest nur ZIP-Archive: Bitte den Inhalt "
                           "des Ordners als ZIP packen."));
  EXPECT_EQ(ProblemsOf(out, "mods/Unterordner"), "no record");
  EXPECT_EQ(ProblemsOf(out, "mods/liesmich.txt"),
            One("foreign-file", "Die Datei ist kein Mod-Archiv (.zip) und gehört nicht in den Mods-Ordner. Bitte "
                                "verschieben oder löschen."));
}

TEST_F(InspectCheck, AFolderWithoutProblemsEndsWithExitCodeZeroAndEmptyProblemColumns) {
  MakeMod("mods/Ballenpresse.zip", Mod({"Ballenpresse"}));
  MakeMod("mods/Egge.zip", Mod({"Egge", "1.3"}));
  const InspectorRun run = Inspect({"--verify", "--format", "csv", "mods"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_THAT(run.out, HasSubstr(",status,problems,problemTexts\nmods/Ballenpresse.zip,Ballenpresse,"));
  EXPECT_THAT(run.out, HasSubstr(",Keine Fehler.,,\nmods/Egge.zip,Egge,Hofmann,1.3,"));
  EXPECT_TRUE(run.out.ends_with(",Keine Fehler.,,\n"));
}

TEST_F(InspectCheck, VerifyCountsDamagedEntriesAndNamesTheFirst) {
  Entries entries = Mod({"Egge"});
  entries.insert(entries.begin(), {"textures/egge.dds", std::string(4000, 'x') + "the end"});
  const std::string archive = MakeMod("mods/Egge.zip", entries);
  testing_dds::DamageFirstEntry(archive);
  const InspectorRun checked = Inspect({"--check", "mods"});
  EXPECT_EQ(checked.exitCode, 0);
  const InspectorRun verified = Inspect({"--verify", "mods"});
  EXPECT_EQ(verified.exitCode, 1);
  EXPECT_EQ(ProblemsOf(verified.out, "mods/Egge.zip"),
            One("damaged", "Das Archiv ist beschädigt: 1 Datei ist nicht lesbar, zuerst „textures/egge.dds“. Bitte "
                           "den Mod neu herunterladen."));
}

TEST_F(InspectCheck, AnArchiveNamedTwiceIsNoDuplicateAndOtherFilesKeepTheirPlaceInTheFolder) {
  MakeMod("mods/Egge.zip", Mod({"Egge"}));
  MakeFile("mods/Egge.txt", "notes");
  MakeMod("mods/Walze.zip", Mod({"Walze"}));
  MakeFile("mods/Zubehoer.txt", "more notes");
  const InspectorRun run = Inspect({"--check", "--format=csv", "mods/Egge.zip", "./mods/Egge.zip", "mods"});
  EXPECT_THAT(FilesOfCsv(run.out), testing::ElementsAre("mods/Egge.zip", "./mods/Egge.zip", "mods/Egge.txt", "mods/Egge.zip",
                                          "mods/Walze.zip", "mods/Zubehoer.txt"));
  EXPECT_THAT(run.out, testing::Not(HasSubstr("Gleicher Inhalt wie „Egge.zip“")));
}

TEST_F(InspectCheck, AFileItMayNotOpenIsUnreadable) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from reading";
  const std::string archive = MakeMod("mods/Egge.zip", Mod({"Egge"}));
  fs::permissions(archive, fs::perms::none);
  const InspectorRun run = Inspect({"--check", "mods"});
  fs::permissions(archive, fs::perms::owner_all);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(ProblemsOf(run.out, "mods/Egge.zip"),
            One("unreadable", "Die Datei lässt sich nicht öffnen. Bitte die Zugriffsrechte prüfen."));
}

TEST_F(InspectCheck, EscapesControlCharactersOfNamesInBothFormats) {
  MakeMod("mods/Neu\nTraktor.zip", Mod({"Traktor"}));
  const InspectorRun json = Inspect({"--check", "mods"});
  EXPECT_THAT(json.out, HasSubstr("{\"file\": \"mods/Neu\\u000aTraktor.zip\""));
  EXPECT_THAT(json.out, HasSubstr("Der Name „Neu\\u000aTraktor“ enthält ein Steuerzeichen (Code 10)."));
  const InspectorRun csv = Inspect({"--check", "--format=csv", "mods"});
  EXPECT_THAT(csv.out, HasSubstr("\n\"mods/Neu\nTraktor.zip\",Traktor,"));
  EXPECT_THAT(csv.out, HasSubstr(",name-invalid,\"Der Name „Neu\nTraktor“ enthält ein Steuerzeichen"));
}

TEST_F(InspectCheck, SummarizesTheProblemsOnATerminal) {
  MakeMod("mods/Ballenpresse.zip", Mod({"Ballenpresse", ""}));
  MakeMod("mods/Egge.zip", Mod({"Egge", "", false}));
  MakeMod("mods/Walze.zip", Mod({"Walze"}));
  std::string terminal;
  const InspectorRun run = InspectOnTerminal({"--check", "mods"}, terminal);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(terminal, HasSubstr("3 Mods, 2 mit Problemen: no-store-picture 1, no-version 2"));
}

}  // namespace
}  // namespace strohvik
