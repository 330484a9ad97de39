#pragma once
// A web server of the test's own on 127.0.0.1, at a port the system picks: it records
// every request it receives and answers each with the given bytes, or holds the
// connection open without a word, as a hung server does.

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace strohvik {

class TestHttpServer {
 public:
  enum class Behaviour { Answer, NeverAnswer };

  explicit TestHttpServer(std::string response, Behaviour behaviour = Behaviour::Answer);
  ~TestHttpServer();
  TestHttpServer(const TestHttpServer&) = delete;
  TestHttpServer& operator=(const TestHttpServer&) = delete;

  int Port() const { return port_; }
  std::vector<std::string> Requests() const;
  void SetResponse(std::string response);

  // A port on 127.0.0.1 where nothing listens: connecting is refused.
  static int RefusingPort();

 private:
  void Serve();
  void Handle(int connection);

  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  int stopPipe_[2] = {-1, -1};
  mutable std::mutex mutex_;
  std::string response_;
  std::vector<std::string> requests_;
  std::vector<int> heldOpen_;
  std::thread thread_;
};

}  // namespace strohvik
