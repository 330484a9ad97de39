// The version check: how a version reads as a number, how an answer's lines decide the
// label, and the real check against a server of the test's own, including servers that
// fail as real ones do.
#include "settings/version_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "tests/settings/test_http_server.h"

namespace strohvik {
namespace {

using namespace std::chrono_literals;

constexpr const char* kSame = "Du besitzt bereits die Aktuelle Programm Version ! v1.7.0";
constexpr const char* kOlder = "Deine Programm Version ist Neuer als die Online Version !";
constexpr int64_t kMost = std::numeric_limits<int64_t>::max();

TEST(VersionNumber, DotsGoAndTheRestReadsAsADecimalIntegerThatNeverOverflows) {
  const struct {
    std::string text;
    int64_t number;
  } cases[] = {
      {"1.7.0", 170},
      {"1.10.0", 1100},
      {"2.0", 20},
      {"  \t1.7.1", 171},
      {"+1.7", 17},
      {"-1.2", -12},
      {"1.7beta", 17},
      {"", 0},
      {"Not Found", 0},
      {std::string("1.7\0.1", 6), 17},
      {std::string(30, '9'), kMost},
      {"99999999999.9.9", 9999999999999},
      {"9223372036854775807", kMost},
      {"9223372036854775808", kMost},
      {"-" + std::string(30, '9'), std::numeric_limits<int64_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(VersionNumber(c.text), c.number) << c.text;
}

std::string Answer(const std::string& body) { return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body; }

TEST(VersionVerdict, TheLastLineOfTheBodyDecides) {
  const std::string newer = "Online Version : v1.7.1\n Deine Version : v1.7.0";
  const struct {
    const char* name;
    std::string answer;
    std::optional<std::string> label;
  } cases[] = {
      {"same", Answer("1.7.0\r\n"), kSame},
      {"newer", Answer("1.7.1\n"), newer},
      {"two-part version", Answer("2.0\n"), kOlder},
      {"two digits", Answer("1.10.0\n"), "Online Version : v1.10.0\n Deine Version : v1.7.0"},
      {"two lines", Answer("1.7.1\n1.6.0\n"), kOlder},
      {"an empty line at the end counts as 0", Answer("1.7.0\n\n"), kOlder},
      {"no final line feed", Answer("1.7.1"), newer},
      {"lone line feeds throughout", "HTTP/1.0 200 OK\nServer: x\n\n1.7.0\n", kSame},
      {"an error page", "HTTP/1.0 404 Not Found\r\n\r\n<html>Not Found</html>\r\n", kOlder},
      {"no body", Answer(""), std::nullopt},
      {"headers that never end", "HTTP/1.0 200 OK\r\nServer: x\r\n", std::nullopt},
      {"a NUL inside the line", Answer(std::string("1.7.1\0x\n", 8)), "Online Version : v" + std::string("1.7.1\0x", 7) + "\n Deine Version : v1.7.0"},
      {"a number too large for any integer", Answer(std::string(30, '9') + "\n"),
       "Online Version : v" + std::string(30, '9') + "\n Deine Version : v1.7.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(VerdictOfAnswer(c.answer, false, "1.7.0"), c.label) << c.name;
}

TEST(VersionVerdict, OnlyTheBoundedBodyIsReadAndALineTheCutTearsOffDoesNotCount) {
  const std::string longLine(100 * 1024, '9');
  EXPECT_EQ(VerdictOfAnswer(Answer(longLine), true, "1.7.0"), std::nullopt) << "a line longer than the bound";
  std::string many;
  while (many.size() < 2 * kMostVersionBodyBytes) many += "1.7.0\n";
  EXPECT_EQ(VerdictOfAnswer(Answer(many + "9.9.9\n"), true, "1.7.0"), kSame) << "what lies past the bound is ignored";
}

TEST(WebServer, TheEnvironmentNamesHostAndPortAndPagesOpenThere) {
  const struct {
    std::string value;
    std::string host;
    int port;
  } cases[] = {
      {"", kDefaultServerHost, 80},
      {"example.org", "example.org", 80},
      {"127.0.0.1:8080", "127.0.0.1", 8080},
      {"example.org:0", kDefaultServerHost, 80},
      {"example.org:http", kDefaultServerHost, 80},
      {":8080", kDefaultServerHost, 80},
  };
  for (const auto& c : cases) {
    const WebServer server = ParseServer(c.value);
    EXPECT_EQ(server.host, c.host) << c.value;
    EXPECT_EQ(server.port, c.port) << c.value;
  }
  EXPECT_EQ(PageUrl(ParseServer("example.org"), kHomePagePath), "http://example.org/strohvik/");
  EXPECT_EQ(PageUrl(ParseServer("127.0.0.1:8080"), kForumPagePath), "http://127.0.0.1:8080/phpBB3/viewforum.php?f=17");
}

WebServer Local(int port) { return WebServer{"127.0.0.1", port}; }

TEST(CheckVersionOnline, SendsTheRequestByteForByteAndReadsTheAnswer) {
  TestHttpServer server(Answer("1.7.1\r\n"));
  const WebServer target{"localhost", server.Port()};
  EXPECT_EQ(CheckVersionOnline(target, "1.7.0"), "Online Version : v1.7.1\n Deine Version : v1.7.0");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET /strohvik/versioncheck.php HTTP/1.0\r\nHost: localhost\r\n\r\n");
}

TEST(CheckVersionOnline, AServerThatCannotBeReachedOrNeverAnswersMeansNoOnlineVersionWithinTheDeadline) {
  using Clock = std::chrono::steady_clock;
  const auto timed = [](const WebServer& target, std::chrono::milliseconds deadline) {
    const auto start = Clock::now();
    const std::optional<std::string> label = CheckVersionOnline(target, "1.7.0", deadline);
    return std::make_pair(label, Clock::now() - start);
  };
  const auto [refused, refusedTime] = timed(Local(TestHttpServer::RefusingPort()), 2000ms);
  EXPECT_EQ(refused, kNoOnlineVersion);
  EXPECT_LT(refusedTime, 1000ms) << "a refusal is known at once";

  const auto [unset, unsetTime] = timed(WebServer{}, 2000ms);
  EXPECT_EQ(unset, kNoOnlineVersion);
  EXPECT_LT(unsetTime, 100ms) << "the reserved default name is never looked up";

  TestHttpServer hung("", TestHttpServer::Behaviour::NeverAnswer);
  const auto [silent, silentTime] = timed(Local(hung.Port()), 800ms);
  EXPECT_EQ(silent, kNoOnlineVersion);
  EXPECT_GE(silentTime, 800ms);
  EXPECT_LT(silentTime, 2000ms) << "the deadline holds";
}

TEST(CheckVersionOnline, TenMegabytesOfAnswerAreCutAtTheBoundAndTheLinesReadSoFarCount) {
  std::string huge = Answer("");
  while (huge.size() < (10u << 20)) huge += "1.7.0\n";
  TestHttpServer server(huge);
  EXPECT_EQ(CheckVersionOnline(Local(server.Port()), "1.7.0"), kSame);
}

int OpenDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(CheckVersionOnline, AThousandRefusedChecksLeaveNoDescriptorOpen) {
  const WebServer refusing = Local(TestHttpServer::RefusingPort());
  const int before = OpenDescriptors();
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(CheckVersionOnline(refusing, "1.7.0"), kNoOnlineVersion);
  EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace strohvik
