#pragma once
// The program's web server: the version check asks it, the help menu and the about
// window's links open its pages.

#include <string>

namespace strohvik {

// Reserved never to resolve, so that a program nobody configured reaches no one's
// server: the check then says "Keine Online Version" at once.
inline constexpr const char* kDefaultServerHost = "strohvik.invalid";
inline constexpr int kDefaultServerPort = 80;

inline constexpr const char* kHelpPagePath = "/strohvik/index_3.htm";
inline constexpr const char* kHomePagePath = "/strohvik/";
inline constexpr const char* kForumPagePath = "/phpBB3/viewforum.php?f=17";

struct WebServer {
  std::string host = kDefaultServerHost;
  int port = kDefaultServerPort;
};

// "host" or "host:port" as STROHVIK_SERVER gives it; the default server for an empty
// or unreadable value.
WebServer ParseServer(const std::string& value);
// The server named by STROHVIK_SERVER, else the default one.
WebServer ServerFromEnvironment();
// "http://" + host (with ":" + port where it is not 80) + path.
std::string PageUrl(const WebServer& server, const std::string& path);

}  // namespace strohvik
