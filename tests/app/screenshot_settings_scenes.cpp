#include "tests/app/screenshot_scenes.h"

namespace strohvik {

void PhotographSettingsScenes(TShell&, const std::string&) {}

}  // namespace strohvik
