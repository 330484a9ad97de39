// The main window with a loaded mod whose store picture is a DXT1 texture, converted by
// our converter from the working folder's Tools, as a player would see it.
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "tests/app/screenshot_scenes.h"
#include "tests/tools/dds_fixture.h"
#include "zip/zip_writer.h"

namespace strohvik {
namespace {

constexpr uint32_t kPictureSize = 256;

struct Colour {
  uint8_t red, green, blue;
};

bool InCircle(int x, int y, int centreX, int centreY, int radius) {
  return (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY) <= radius * radius;
}

bool InBox(int x, int y, int left, int top, int right, int bottom) { return x >= left && x < right && y >= top && y < bottom; }

Colour WheelAt(int x, int y, int centreX, int centreY, int radius) {
  if (InCircle(x, y, centreX, centreY, radius / 3)) return {190, 190, 180};
  return {28, 28, 28};
}

// A red tractor on a field under a blue sky.
Colour SceneAt(int x, int y) {
  if (InCircle(x, y, 160, 172, 42)) return WheelAt(x, y, 160, 172, 42);
  if (InCircle(x, y, 72, 186, 26)) return WheelAt(x, y, 72, 186, 26);
  if (InBox(x, y, 128, 78, 182, 122)) return InBox(x, y, 136, 86, 174, 116) ? Colour{170, 215, 240} : Colour{150, 20, 20};
  if (InBox(x, y, 44, 122, 196, 166)) return {200, 30, 25};
  if (InBox(x, y, 80, 98, 88, 122)) return {60, 60, 60};  // exhaust
  if (InCircle(x, y, 210, 40, 20)) return {255, 220, 90};
  if (y < 150) return {static_cast<uint8_t>(90 + y / 3), static_cast<uint8_t>(150 + y / 3), 235};
  const bool furrow = ((x + 2 * y) / 12) % 2 == 0;
  return furrow ? Colour{70, 140, 50} : Colour{95, 165, 60};
}

RgbaImage StorePicture() {
  RgbaImage picture{kPictureSize, kPictureSize, std::vector<uint8_t>(kPictureSize * kPictureSize * 4)};
  for (uint32_t y = 0; y < kPictureSize; ++y) {
    for (uint32_t x = 0; x < kPictureSize; ++x) {
      const Colour colour = SceneAt(static_cast<int>(x), static_cast<int>(y));
      uint8_t* pixel = &picture.pixels[(y * kPictureSize + x) * 4];
      pixel[0] = colour.red;
      pixel[1] = colour.green;
      pixel[2] = colour.blue;
      pixel[3] = 255;
    }
  }
  return picture;
}

constexpr char kDescription[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\" ?>\n"
    "<modDesc descVersion=\"4\">\n"
    "  <author>Hofmann</author>\n"
    "  <version>1.3</version>\n"
    "  <title><en>Red tractor 120</en><de>Roter Traktor 120</de></title>\n"
    "  <description><en>Pulls everything.</en><de>Zieht alles, auch über nasse Äcker.</de></description>\n"
    "  <multiplayer supported=\"true\"/>\n"
    "  <storeItems><storeItem><image><active>store.dds</active></image>"
    "<xmlFilename>vehicles/traktor120.xml</xmlFilename></storeItem></storeItems>\n"
    "  <price>38500</price>\n"
    "</modDesc>\n";

constexpr char kVehicle[] =
    "<?xml version=\"1.0\"?>\n<vehicle type=\"tractor\">\n  <capacity>6000</capacity>\n"
    "  <fuelCapacity>150</fuelCapacity>\n  <fillTypes fruitTypes=\"wheat barley rape maize\"/>\n</vehicle>\n";

void WriteMod(const std::string& path, std::vector<std::pair<std::string, std::string>> entries) {
  const auto writer = ZipWriter::Create();
  writer->OpenZip(path, 0);
  for (auto& [name, bytes] : entries) {
    writer->AddStream(TRamStream::Create(bytes.data(), static_cast<int64_t>(bytes.size()), true, false), name, "");
  }
  writer->CloseZip("");
}

}  // namespace

void PhotographModScenes(TShell& shell, const std::string& out) {
  TAppContext& app = shell.App();
  // The tour answers requesters from its script; the converter has to run for real.
  auto& driver = dynamic_cast<TScriptedSystemDriver&>(app.gui.System());
  driver.runProcesses = true;
  const std::string mods = app.state.folders.workingDirectory + "\\mods";
  CreateFolderWithParents(mods);
  for (const char* other : {"\\Ackerwalze_6m.zip", "\\Kipper_18t.zip", "\\Saemaschine_3m.zip"}) {
    WriteMod(mods + other, {{"modDesc.xml", kDescription}});
  }
  const std::string mod = mods + "\\Roter_Traktor_120.zip";
  WriteMod(mod, {{"modDesc.xml", kDescription},
                 {"store.dds", testing_dds::MakeBlockDds(StorePicture(), DdsFormat::Dxt1)},
                 {"vehicles/traktor120.xml", kVehicle}});

  driver.fileAnswers.push_back(mod);
  Press(shell, "SmartButton25");
  Photograph(shell, app.Gadget("Window1"), out + "/mod-loaded.png");
}

}  // namespace strohvik
