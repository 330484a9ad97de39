#pragma once
// One request over a TCP connection, answered until the server closes: name lookup,
// connection, sending and reading all within one deadline, so that a server that
// never answers cannot hold the program. The socket is closed on every path.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace strohvik {

struct TcpAnswer {
  std::string bytes;
  bool complete = false;  // the server closed the connection, or `enough` said stop
};

// Told what has arrived so far; true when no more is wanted.
using EnoughReceived = std::function<bool(std::string_view received)>;

// None when no connection could be made (no such host, refused, nothing within the
// deadline); otherwise what arrived, incomplete when the deadline came first.
std::optional<TcpAnswer> FetchOverTcp(const std::string& host, int port, std::string_view request,
                                      std::chrono::milliseconds deadline, const EnoughReceived& enough);

}  // namespace strohvik
