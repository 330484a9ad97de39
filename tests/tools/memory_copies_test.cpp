// The inspector keeps a reading's copies in memory and judges a texture by its header
// alone. Whatever a mod holds, the page it reads must be the page the window reads with
// its copies in the temp folder and the real converter.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "mods/mod_reading.h"
#include "tests/mods/mod_test_support.h"
#include "tests/tools/test_files.h"
#include "tools/inspect/inspector_environment.h"

namespace strohvik {
namespace {

using modtest::Entries;

struct MemoryCase {
  const char* name;
  Entries entries;
  bool damageFirstEntry = false;
};

void PrintTo(const MemoryCase& memoryCase, std::ostream* out) { *out << memoryCase.name; }

std::string DdsWithFourCc(const std::string& fourCc) {
  std::string dds = modtest::DdsBytes();
  dds.replace(84, 4, fourCc);
  return dds;
}

std::string Description(const std::string& picture, const std::string& vehicle = "vehicles/wagen.xml") {
  return modtest::ModDescription("<image><active>" + picture + "</active></image><xmlFilename>" + vehicle +
                                 "</xmlFilename>");
}

std::vector<MemoryCase> Cases() {
  const std::string dds = modtest::DdsBytes();
  const std::string png = modtest::PngBytes();
  const std::string vehicle = modtest::VehicleFile("12000", "0", "wheat barley grass");
  return {
      {"DdsPicture", {{"modDesc.xml", Description("store.dds")}, {"store.dds", dds}, {"vehicles/wagen.xml", vehicle}}},
      {"DdsStandingInForPng", {{"modDesc.xml", Description("store.png")}, {"store.dds", dds}}},
      {"DdsCutShort", {{"modDesc.xml", Description("store.dds")}, {"store.dds", dds.substr(0, dds.size() - 9)}}},
      {"DdsOfUnknownFormat", {{"modDesc.xml", Description("store.dds")}, {"store.dds", DdsWithFourCc("ATI2")}}},
      {"DdsHeaderOnly", {{"modDesc.xml", Description("store.dds")}, {"store.dds", dds.substr(0, 100)}}},
      {"PngPicture", {{"modDesc.xml", Description("shop/store.png")}, {"shop/store.png", png}}},
      {"PngCutShort", {{"modDesc.xml", Description("store.png")}, {"store.png", png.substr(0, png.size() / 2)}}},
      {"JpegPicture", {{"modDesc.xml", Description("store.jpg")}, {"store.jpg", modtest::JpegBytes()}}},
      {"NoPictureInArchive", {{"modDesc.xml", Description("store.dds")}, {"vehicles/wagen.xml", vehicle}}},
      {"PictureNamedNoFile", {{"modDesc.xml", Description("shop/..")}, {"shop/..", png}}},
      {"DescriptionNoXml", {{"modDesc.xml", "<modDesc><title><de>Wagen"}, {"store.png", png}}},
      {"DescriptionWithoutModDesc", {{"modDesc.xml", "<vehicle/>"}}},
      {"DamagedDescription", {{"modDesc.xml", Description("store.png")}, {"store.png", png}}, true},
      {"DamagedPicture", {{"store.png", png}, {"modDesc.xml", Description("store.png")}}, true},
      {"VehicleFileDamaged", {{"vehicles/wagen.xml", vehicle}, {"modDesc.xml", Description("x.png")}}, true},
  };
}

// Everything the reading decides, but the picture's place: the window's lies in the temp
// folder, the inspector's nowhere.
auto Decided(const ModPage& page, const LoadedMod& mod) {
  return std::tuple(page.title, page.author, page.version, page.description, page.price, page.multiplayer,
                    page.capacity, page.fileName, page.fuelCapacity, page.fillTypes, page.status, page.descriptionRead,
                    mod.storePictureName, mod.vehicleFileName, mod.foundFlag);
}

class MemoryCopiesRead : public modtest::ModTest, public testing::WithParamInterface<MemoryCase> {};

TEST_P(MemoryCopiesRead, GiveThePageTheTempFolderAndTheConverterGive) {
  UseRealConverter();
  const std::string archive = MakeArchive("mods/wagen.zip", GetParam().entries);
  if (GetParam().damageFirstEntry) testing_dds::DamageFirstEntry(Host("mods/wagen.zip"));

  const ModPage window = ReadMod(environment_, mod_, archive);
  LoadedMod inspected;
  const ModPage inspector = ReadMod(InspectorEnvironment(), inspected, archive);
  EXPECT_EQ(Decided(inspector, inspected), Decided(window, mod_));
}

INSTANTIATE_TEST_SUITE_P(Mods, MemoryCopiesRead, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace strohvik
