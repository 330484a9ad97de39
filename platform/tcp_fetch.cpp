#include "platform/tcp_fetch.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <future>
#include <memory>
#include <thread>

#include "platform/posix_descriptor.h"

namespace strohvik {
namespace {

using Clock = std::chrono::steady_clock;

struct AddressListDeleter {
  void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

// Names under ".invalid" are reserved never to resolve: no need to ask anyone.
bool NeverResolves(const std::string& host) {
  return host.ends_with(".invalid") || host == "invalid";
}

// The lookup runs on a thread of its own, which the caller stops waiting for at the
// deadline; a late answer is freed by that thread.
AddressList Resolve(const std::string& host, int port, Clock::time_point deadline) {
  if (NeverResolves(host)) return nullptr;
  auto answer = std::make_shared<std::promise<AddressList>>();
  std::future<AddressList> result = answer->get_future();
  std::thread([answer, host, port] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &list) != 0) list = nullptr;
    answer->set_value(AddressList(list));
  }).detach();
  if (result.wait_until(deadline) != std::future_status::ready) return nullptr;
  return result.get();
}

// Rounded up: a wait cut to whole milliseconds downwards would end before the deadline.
int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for the events on the socket; false at the deadline.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd watched{fd, events, 0};
    const int ready = ::poll(&watched, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0 && Clock::now() < deadline) continue;
    return ready > 0;
  }
}

std::unique_ptr<PosixDescriptor> Connect(const addrinfo& address, Clock::time_point deadline) {
  auto socket = std::make_unique<PosixDescriptor>(
      ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol));
  if (socket->Get() < 0) return nullptr;
  if (::connect(socket->Get(), address.ai_addr, address.ai_addrlen) == 0) return socket;
  if (errno != EINPROGRESS || !WaitFor(socket->Get(), POLLOUT, deadline)) return nullptr;
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(socket->Get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) return nullptr;
  return socket;
}

bool SendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
  while (!bytes.empty()) {
    if (!WaitFor(fd, POLLOUT, deadline)) return false;
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

void ReceiveAll(int fd, Clock::time_point deadline, const EnoughReceived& enough, TcpAnswer& answer) {
  char chunk[1 << 14];
  while (WaitFor(fd, POLLIN, deadline)) {
    const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) {
      answer.complete = got == 0;
      return;
    }
    answer.bytes.append(chunk, static_cast<size_t>(got));
    if (enough(answer.bytes)) {
      answer.complete = true;
      return;
    }
  }
}

}  // namespace

std::optional<TcpAnswer> FetchOverTcp(const std::string& host, int port, std::string_view request,
                                      std::chrono::milliseconds deadline, const EnoughReceived& enough) {
  const Clock::time_point end = Clock::now() + deadline;
  const AddressList addresses = Resolve(host, port, end);
  for (const addrinfo* address = addresses.get(); address != nullptr; address = address->ai_next) {
    const std::unique_ptr<PosixDescriptor> socket = Connect(*address, end);
    if (!socket) continue;
    TcpAnswer answer;
    if (SendAll(socket->Get(), request, end)) ReceiveAll(socket->Get(), end, enough, answer);
    return answer;
  }
  return std::nullopt;
}

}  // namespace strohvik
