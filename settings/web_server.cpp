#include "settings/web_server.h"

#include <charconv>
#include <cstdlib>

namespace strohvik {

WebServer ParseServer(const std::string& value) {
  const size_t colon = value.rfind(':');
  WebServer server;
  if (colon == std::string::npos) {
    if (!value.empty()) server.host = value;
    return server;
  }
  int port = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data() + colon + 1, end, port);
  if (colon == 0 || error != std::errc() || stop != end || port <= 0 || port > 65535) return server;
  server.host = value.substr(0, colon);
  server.port = port;
  return server;
}

WebServer ServerFromEnvironment() {
  const char* value = std::getenv("STROHVIK_SERVER");
  return ParseServer(value != nullptr ? value : "");
}

std::string PageUrl(const WebServer& server, const std::string& path) {
  const std::string port = server.port == kDefaultServerPort ? "" : ":" + std::to_string(server.port);
  return "http://" + server.host + port + path;
}

}  // namespace strohvik
