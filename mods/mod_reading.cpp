#include "mods/mod_reading.h"

#include <optional>

#include "mods/archive_extraction.h"
#include "mods/description_problem.h"
#include "mods/mod_texts.h"
#include "mods/store_picture.h"
#include "mods/vehicle_data.h"
#include "platform/paths.h"
#include "xml/xml_file.h"

namespace strohvik {
namespace {

constexpr char kNone[] = "0";
constexpr char kDescriptionName[] = "modDesc.xml";

std::string OrIfMissing(const std::string& value, const std::string& placeholder) {
  return value == kNone ? placeholder : value;
}

// Only the exact words change the label; "TRUE" or a missing attribute leave it.
std::optional<std::string> MultiplayerLabel(const std::string& supported) {
  if (supported == "true") return kMultiplayerYes;
  if (supported == "false") return kMultiplayerNo;
  return std::nullopt;
}

// The text fields and the fuel label are emptied; the multiplayer label and the
// fill-type tree keep what they showed.
ModPage NoDescriptionPage(LoadedMod& mod, std::string status) {
  mod.storePictureName = kNone;
  mod.vehicleFileName = kNone;
  ModPage page;
  page.picture = kEmptyPicture;
  page.status = std::move(status);
  return page;
}

// Opening fails on a damaged or oversized file; a file without a modDesc tag is no
// description either, though it parses.
bool OpenDescription(const EntryCopies& copies, XMLFile& description) {
  return copies.OpenDocument(description, kDescriptionName) && description.GetNodeType("modDesc") != 0;
}

void ReadDescriptionFields(const XMLFile& description, ModPage& page) {
  page.multiplayer = MultiplayerLabel(description.ReadNodeValue("modDesc/multiplayer", "supported"));
  page.author = OrIfMissing(description.ReadNodeText("modDesc/author"), kNoInfo);
  page.title = OrIfMissing(description.ReadNodeText("modDesc/title/de"), kNoInfo);
  page.version = description.ReadNodeText("modDesc/version");
  page.description = OrIfMissing(description.ReadNodeText("modDesc/description/de"), kNoInfo);
  page.price = description.ReadNodeText("modDesc/price");
}

ModPage ReadModFrom(const ModEnvironment& environment, LoadedMod& mod, const std::string& modPath) {
  mod.modPath = modPath;
  if (ExtractFromArchive(environment, mod, modPath, kDescriptionName, kDescriptionName) != "JA") {
    return NoDescriptionPage(mod, WhyNoDescription(environment, modPath));
  }
  const auto description = XMLFile::New();
  const std::shared_ptr<EntryCopies> copies = environment.Copies();
  ModPage page;
  page.descriptionRead = OpenDescription(*copies, *description);
  ReadDescriptionFields(*description, page);
  mod.vehicleFileName = description->ReadNodeText("modDesc/storeItems/storeItem/xmlFilename");
  mod.storePictureName = ChooseStorePictureName(*description);

  const StorePictureView picture = ShowStorePicture(environment, mod);
  page.picture = picture.picture;
  page.status = page.descriptionRead ? picture.status : WhyUnreadableDescription(copies->Size(kDescriptionName));

  const VehicleData vehicle = ShowVehicleData(environment, mod);
  page.capacity = vehicle.capacity;
  page.fuelCapacity = vehicle.fuelCapacity;
  page.fillTypes = vehicle.fillTypes;
  page.fileName = FilePart(modPath);
  return page;
}

}  // namespace

ModPage ReadMod(const ModEnvironment& environment, LoadedMod& mod, const std::string& modPath) {
  // The description, the picture and the vehicle file come from one reading of the
  // archive's directory, which for a large mod costs more than the copies themselves.
  // A caller that reads the archive further keeps it open itself.
  ModEnvironment reading = environment;
  if (!reading.archive) reading.archive = std::make_shared<OpenArchive>();
  reading.copies = environment.Copies();
  return ReadModFrom(reading, mod, modPath);
}

}  // namespace strohvik
