#include "mods/store_picture.h"

#include "mods/archive_extraction.h"
#include "mods/mod_texts.h"
#include "mods/picture_check.h"
#include "mods/temp_copy.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace strohvik {
namespace {

constexpr char kNone[] = "0";

// The copy as extracted, or the PNG the converter wrote for it or for the texture that
// stood in for it: the converter's own name, base name and a lower-case ".png", whatever
// spelling the description used.
StorePictureView PictureOrProblem(const ModEnvironment& environment, const EntryCopies& copies,
                                  const std::string& pictureName) {
  bool anyCopy = false;  // a picture that is there, if unreadable
  for (const std::string& name : {pictureName, WithoutExtension(pictureName) + ".png"}) {
    if (copies.CanShowPicture(name)) return {*TempCopyPath(environment.folders, name), kNoErrors};
    anyCopy = anyCopy || (copies.Size(name) >= 0 && AsciiLower(Extension(name)) != "dds");
  }
  // No picture but a texture mostly means a DDS texture nobody converted.
  const bool converterMissing = !anyCopy && !copies.ConverterPresent();
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
  const std::shared_ptr<EntryCopies> copies = environment.Copies();
  if (Extension(name) == "dds") {
    copies->ConvertTexture(name);
    if (environment.trace) environment.trace("Modpic>" + name + "<");
  }
  return PictureOrProblem(environment, *copies, name);
}

}  // namespace strohvik
