#include "mods/store_picture.h"

#include "mods/archive_extraction.h"
#include "mods/mod_texts.h"
#include "mods/picture_check.h"
#include "mods/temp_copy.h"
#include "mods/texture_converter.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace strohvik {
namespace {

constexpr char kNone[] = "0";

StorePictureView PictureOrProblem(const ModEnvironment& environment, const std::string& pictureName) {
  const auto path = TempCopyPath(environment.folders, pictureName);
  if (path && CanShowPicture(*path)) return {*path, kNoErrors};
  // A picture that is not there at all mostly means a DDS texture nobody converted.
  const bool converterMissing = !(path && IsFile(*path)) && !IsFile(environment.converterProgram);
  return {kNoStorePicturePicture, converterMissing ? kConverterMissing : kStorePictureUnreadable};
}

}  // namespace

std::string ChooseStorePictureName(const XMLFile& description) {
  std::string name = description.ReadNodeText("modDesc/storeItems/storeItem/image/active");
  if (Extension(name).empty()) name = kNone;
  for (const char* candidate : {"modDesc/iconFilename", "modDesc/iconFilename/de", "modDesc/iconFilename/en"}) {
    if (name != kNone) break;
    name = description.ReadNodeText(candidate);
  }
  return name;
}

StorePictureView ShowStorePicture(const ModEnvironment& environment, LoadedMod& mod) {
  const std::string& name = mod.storePictureName;
  if (name == kNone) {
    mod.foundFlag = "NEIN";
  } else {
    ExtractFromArchive(environment, mod, mod.modPath, name, name);
  }
  if (mod.foundFlag != "JA") return {kNoStorePicturePicture, kNoStorePicture};
  if (Extension(name) != "dds") return PictureOrProblem(environment, name);
  ConvertTexture(environment, name);
  if (environment.trace) environment.trace("Modpic>" + name + "<");
  return PictureOrProblem(environment, WithoutExtension(name) + ".png");
}

}  // namespace strohvik
