// ddsConverter NAME...: converts the DDS texture NAME from the app's temp folder in the
// current working directory into a PNG of the same base name beside it.

#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/running_program.h"
#include "tools/dds_converter/texture_conversion.h"

int main(int argc, char** argv) {
  using namespace strohvik;
  if (argc < 2) {
    std::cerr << "usage: ddsConverter NAME.dds   (converts " << kTempFolderName << "\\NAME.dds to NAME.png)\n";
    return 2;
  }
  const std::string name = JoinArgumentWords(ProgramArguments(argc, argv));
  const std::string error = ConvertTextureInTempFolder(name, CurrentDirectory());
  if (!error.empty()) {
    std::cerr << "ddsConverter: " << error << "\n";
    return 1;
  }
  return 0;
}
