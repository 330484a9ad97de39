#pragma once
// The folders of our own below the working directory. The app uses the process's
// working directory; tests and the batch inspector use a folder of their own.

#include <string>

namespace strohvik {

struct WorkingFolders {
  std::string workingDirectory;  // system form, no trailing "\"

  // The process's current working directory.
  static WorkingFolders Current();

  // Entries copied out of the archive: modDesc.xml, pictures, the vehicle file.
  std::string Temp() const { return workingDirectory + "\\LS_2011_Data_Temp"; }
  // Edited files to be packed back into the archive.
  std::string Work() const { return workingDirectory + "\\Data_Temp"; }
  std::string Tools() const { return workingDirectory + "\\Tools"; }
};

}  // namespace strohvik
