// The vehicle data: capacity, fuel capacity and the German fill-type names.

#include <gtest/gtest.h>

#include "mods/fill_types.h"
#include "mods/vehicle_data.h"
#include "tests/mods/mod_test_support.h"

namespace strohvik::modtest {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

struct FillTypeCase {
  std::string fruitTypes;
  std::vector<std::string> names;
};

TEST(GermanFillTypeNames, FollowTheTableOrderAndItsOverlappingKeys) {
  const FillTypeCase cases[] = {
      {"rape barley wheat", {"Weizen", "Gerste", "Raps"}},
      {"sugarBeet", {}},
      {"sugarbeet potato", {"Kartoffel", "Zuckerrüben"}},
      {"oats", {"Hafer", "Hafer"}},
      {"drygrass", {"Gras", "trockenes Gras"}},
      {"dryGrass", {"trockenes Gras"}},
      {"liquidManure", {"Gülle"}},
      {"manure liquidManure", {"Gülle", "Gülle"}},
      {"WHEAT", {}},
      {"", {}},
      {"dung chaff silage fertilizer", {"Silofutter", "Dünger", "Mist", "Häcksel"}},
  };
  for (const auto& [fruitTypes, names] : cases) {
    EXPECT_THAT(GermanFillTypeNames(fruitTypes), ElementsAreArray(names)) << fruitTypes;
  }
}

class VehicleDataTest : public ModTest {
 protected:
  VehicleData Read(const Entries& entries, const std::string& vehicleFileName) {
    mod_.modPath = MakeArchive("mod.zip", entries);
    mod_.vehicleFileName = vehicleFileName;
    return ShowVehicleData(environment_, mod_);
  }
};

TEST_F(VehicleDataTest, AVehicleFileInAFolderIsReadFromItsCopy) {
  const auto data = Read({{"vehicles/tractor.xml", VehicleFile("12000", "150", "wheat barley")}}, "vehicles/tractor.xml");
  EXPECT_EQ(data.capacity, "12000");
  EXPECT_EQ(data.fuelCapacity, "150 L");
  EXPECT_THAT(data.fillTypes, ElementsAre("Weizen", "Gerste"));
  EXPECT_THAT(TempFiles(), ElementsAre("tractor.xml"));
  EXPECT_EQ(mod_.foundFlag, "JA");
}

TEST_F(VehicleDataTest, MissingValuesGetTheirPlaceholders) {
  const auto zero = Read({{"trailer.xml", VehicleFile("0", "", "")}}, "trailer.xml");
  EXPECT_EQ(zero.capacity, "");
  EXPECT_EQ(zero.fuelCapacity, "keine Infos L");
  // An empty attribute is an attribute: it lists no fill type either way.
  EXPECT_THAT(zero.fillTypes, IsEmpty());

  const auto bare = Read({{"trailer.xml", "<vehicle><fillTypes/></vehicle>"}}, "trailer.xml");
  EXPECT_EQ(bare.capacity, "");
  EXPECT_EQ(bare.fuelCapacity, "keine Infos L");
  EXPECT_THAT(bare.fillTypes, IsEmpty());
}

TEST_F(VehicleDataTest, NoVehicleFileGivesAnEmptyPage) {
  const Entries entries{{"tractor.xml", VehicleFile("1", "2", "wheat")}, {"0", VehicleFile("1", "2", "wheat")}};
  for (const std::string name : {"0", "other.xml"}) {
    mod_.foundFlag = "JA";
    const auto data = Read(entries, name);
    EXPECT_EQ(data.capacity, "") << name;
    EXPECT_EQ(data.fuelCapacity, "keine Infos L") << name;
    EXPECT_THAT(data.fillTypes, IsEmpty()) << name;
    EXPECT_EQ(mod_.foundFlag, "NEIN") << name;
  }
}

TEST_F(VehicleDataTest, AVehicleFileThatIsNoXmlReadsAsEmpty) {
  const auto data = Read({{"tractor.xml", std::string("\x00\x01<<<\xff", 7)}}, "tractor.xml");
  EXPECT_EQ(data.capacity, "");
  EXPECT_EQ(data.fuelCapacity, "keine Infos L");
  EXPECT_THAT(data.fillTypes, IsEmpty());
}

}  // namespace
}  // namespace strohvik::modtest
