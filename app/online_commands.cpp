// The version check of the about window and the web pages of the help menu.
#include "app/commands.h"
#include "settings/version_check.h"

namespace strohvik {

void CheckOnlineVersion(TAppContext& app) {
  const std::optional<std::string> verdict = CheckVersionOnline(app.state.server, app.state.programVersion);
  if (verdict) app.Gadget("Label36").SetText(*verdict);
}

void OpenWebPage(TAppContext& app, const std::string& path) { app.gui.System().OpenURL(PageUrl(app.state.server, path)); }

}  // namespace strohvik
