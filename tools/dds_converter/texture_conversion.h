#pragma once
// One conversion as the app asks for it: a DDS name in, the PNG of the same base name
// beside the DDS file in the temp folder out.

#include <string>
#include <vector>

namespace strohvik {

// The folder in the working directory that the app copies archive entries into.
inline constexpr char kTempFolderName[] = "LS_2011_Data_Temp";

// The app passes the picture name unquoted, so a name with blanks arrives as several
// argument words; this joins them back with single blanks.
std::string JoinArgumentWords(const std::vector<std::string>& words);

// Only the file part of ddsName is used, inside the temp folder of workingDirectory, so
// a name from a mod description cannot reach any other folder. The PNG is written under
// a temporary name and renamed, so a failure leaves no partial PNG and keeps an older
// one. Returns the empty string on success, otherwise why nothing was written.
std::string ConvertTextureInTempFolder(const std::string& ddsName, const std::string& workingDirectory);

}  // namespace strohvik
