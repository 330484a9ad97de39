// Which archive names the game refuses, the name suggested instead, and which names mark
// a copy or a second download.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tools/inspect/archive_name.h"

namespace strohvik {
namespace {

constexpr char kRule[] =
    " Das Spiel lädt nur Mods, deren Name aus Buchstaben (A-Z), Ziffern und „_“ besteht und nicht mit einer "
    "Ziffer beginnt. Vorschlag: ";

struct NameCase {
  const char* file;
  const char* why;        // empty: the game loads the name
  const char* suggested;
};

TEST(ArchiveName, NamesTheFirstCharacterInTheWayAndSuggestsALoadableName) {
  const NameCase cases[] = {
      {"Big_Tractor2.ZIP", "", ""},
      {"_underscore.zip", "", ""},
      {"Kipper neu.zip", "Der Name „Kipper neu“ enthält ein Leerzeichen.", "Kipper_neu.zip"},
      {"M\xc3\xa4her-Gro\xc3\x9f.zip", "Der Name „M\xc3\xa4her-Gro\xc3\x9f“ enthält das Zeichen „\xc3\xa4“.",
       "M_her_Gro_.zip"},
      {"Neu\nTraktor.zip", "Der Name „Neu\nTraktor“ enthält ein Steuerzeichen (Code 10).", "Neu_Traktor.zip"},
      {"4x4_Pickup.zip", "Der Name „4x4_Pickup“ beginnt mit einer Ziffer.", "Mod_4x4_Pickup.zip"},
      {"9 Achsen.zip", "Der Name „9 Achsen“ enthält ein Leerzeichen.", "Mod_9_Achsen.zip"},
      {".zip", "Der Name ist leer.", "Mod_.zip"},
      {"mod.zip.rar", "Der Name „mod.zip.rar“ enthält das Zeichen „.“.", "mod_zip_rar.zip"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.file);
    const std::optional<Problem> problem = NameProblem(c.file);
    if (std::string(c.why).empty()) {
      EXPECT_FALSE(problem);
      continue;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->code, "name-invalid");
    EXPECT_EQ(problem->text, std::string(c.why) + kRule + c.suggested);
  }
}

TEST(ArchiveName, FindsTheNameBeforeACopyOrASecondDownload) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"Egge (1).zip", "Egge.zip"},
      {"Egge(2).ZIP", "Egge.ZIP"},
      {"Egge - Kopie.zip", "Egge.zip"},
      {"Egge - Kopie (3).zip", "Egge.zip"},
      {"Egge - Copy.zip", "Egge.zip"},
      {"Kopie von Egge.zip", "Egge.zip"},
      {"Copy of Egge (1).zip", "Egge.zip"},
      {"Egge.zip", std::nullopt},
      {"Egge_2.zip", std::nullopt},
      {"Egge (neu).zip", std::nullopt},
      {"(1).zip", std::nullopt},
      {"Kopie von .zip", std::nullopt},
  };
  for (const auto& [file, original] : cases) {
    SCOPED_TRACE(file);
    EXPECT_EQ(NameBeforeCopy(file), original);
  }
}

}  // namespace
}  // namespace strohvik
