// The version check of the about window and the web pages of the help menu; they arrive
// with the online services and do nothing until then.
#include "app/commands.h"

namespace strohvik {

void CheckOnlineVersion(TAppContext&) {}
void OpenWebPage(TAppContext&, const std::string&) {}

}  // namespace strohvik
