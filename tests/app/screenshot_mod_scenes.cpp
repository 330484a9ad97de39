#include "tests/app/screenshot_scenes.h"

namespace strohvik {

void PhotographModScenes(TShell&, const std::string&) {}

}  // namespace strohvik
