#include "tools/dds_converter/texture_conversion.h"

#include <new>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tools/dds_converter/dds_decoder.h"
#include "tools/dds_converter/png_writer.h"

namespace strohvik {

std::string JoinArgumentWords(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) {
    if (!joined.empty()) joined += ' ';
    joined += word;
  }
  return joined;
}

std::string ConvertTextureInTempFolder(const std::string& ddsName, const std::string& workingDirectory) {
  const std::string fileName = FilePart(ddsName);
  if (fileName.empty() || fileName == "." || fileName == "..") return "no DDS file name given";
  if (AsciiLower(Extension(fileName)) == "png") return "the name is a PNG, not a DDS texture";

  const std::string tempFolder = JoinPath(workingDirectory, kTempFolderName);
  const std::string ddsPath = JoinPath(tempFolder, fileName);
  const std::string pngPath = JoinPath(tempFolder, WithoutExtension(fileName) + ".png");
  if (!IsFile(ddsPath)) return ddsPath + ": no such file";

  std::string png;
  try {
    png = EncodePng(ReadDdsFile(ddsPath));
  } catch (const DdsError& error) {
    return ddsPath + ": " + error.what();
  } catch (const std::bad_alloc&) {
    return ddsPath + ": not enough memory";
  }
  if (!WriteFileAtomically(pngPath, png, Durability::Scratch)) return pngPath + ": cannot write the file";
  return std::string();
}

}  // namespace strohvik
