#pragma once
// Where the inspector finds the texture converter: beside its own program (as the build
// and the installation place it), else in the Tools folder of the current directory,
// the app's own layout. Empty when there is none.

#include <string>

namespace strohvik {

std::string FindTextureConverter();

}  // namespace strohvik
