#include "tests/settings/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace strohvik {
namespace {

int ListenOnLoopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, 64) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    throw std::runtime_error("test server cannot listen");
  }
  port = ntohs(address.sin_port);
  return fd;
}

// The request up to its empty line, or what came within a second.
std::string ReadRequest(int connection) {
  std::string request;
  char chunk[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    pollfd watched{connection, POLLIN, 0};
    if (::poll(&watched, 1, 1000) <= 0) break;
    const ssize_t got = ::recv(connection, chunk, sizeof chunk, 0);
    if (got <= 0) break;
    request.append(chunk, static_cast<size_t>(got));
  }
  return request;
}

}  // namespace

TestHttpServer::TestHttpServer(std::string response, Behaviour behaviour)
    : behaviour_(behaviour), response_(std::move(response)) {
  listener_ = ListenOnLoopback(port_);
  if (::pipe(stopPipe_) != 0) throw std::runtime_error("test server cannot make its pipe");
  thread_ = std::thread([this] { Serve(); });
}

TestHttpServer::~TestHttpServer() {
  (void)!::write(stopPipe_[1], "x", 1);
  thread_.join();
  for (int fd : heldOpen_) ::close(fd);
  for (int fd : {listener_, stopPipe_[0], stopPipe_[1]}) ::close(fd);
}

std::vector<std::string> TestHttpServer::Requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

void TestHttpServer::SetResponse(std::string response) {
  const std::lock_guard lock(mutex_);
  response_ = std::move(response);
}

int TestHttpServer::RefusingPort() {
  int port = 0;
  ::close(ListenOnLoopback(port));
  return port;
}

void TestHttpServer::Serve() {
  for (;;) {
    pollfd watched[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (::poll(watched, 2, -1) < 0 || watched[1].revents != 0) return;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) Handle(connection);
  }
}

void TestHttpServer::Handle(int connection) {
  const std::string request = ReadRequest(connection);
  std::string response;
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
    response = response_;
  }
  if (behaviour_ == Behaviour::NeverAnswer) {
    heldOpen_.push_back(connection);
    return;
  }
  // A client that has read enough closes early; the rest is not its business.
  for (size_t sent = 0; sent < response.size();) {
    const ssize_t put = ::send(connection, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) break;
    sent += static_cast<size_t>(put);
  }
  ::close(connection);
}

}  // namespace strohvik
