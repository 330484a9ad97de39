#include "settings/version_check.h"

#include <limits>

#include "platform/tcp_fetch.h"

namespace strohvik {
namespace {

constexpr std::string_view kVersionPath = "/strohvik/versioncheck.php";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Where the body starts: after the first empty line (carriage returns do not count);
// npos while the headers have not ended.
size_t BodyStart(std::string_view answer) {
  for (size_t at = 0; at < answer.size();) {
    const size_t end = answer.find('\n', at);
    if (end == std::string_view::npos) return std::string_view::npos;
    if (answer.substr(at, end - at).find_first_not_of('\r') == std::string_view::npos) return end + 1;
    at = end + 1;
  }
  return std::string_view::npos;
}

std::string WithoutCarriageReturns(std::string_view line) {
  std::string kept;
  for (char c : line)
    if (c != '\r') kept += c;
  return kept;
}

}  // namespace

int64_t VersionNumber(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c != '.') digits += c;
  size_t at = 0;
  while (at < digits.size() && IsBlank(digits[at])) ++at;
  const bool negative = at < digits.size() && digits[at] == '-';
  if (at < digits.size() && (digits[at] == '-' || digits[at] == '+')) ++at;
  constexpr int64_t kMost = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; at < digits.size() && digits[at] >= '0' && digits[at] <= '9'; ++at) {
    const int digit = digits[at] - '0';
    if (value > (kMost - digit) / 10) return negative ? std::numeric_limits<int64_t>::min() : kMost;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::string VersionVerdict(std::string_view line, const std::string& programVersion) {
  const int64_t online = VersionNumber(line);
  const int64_t mine = VersionNumber(programVersion);
  if (online == mine) return "Du besitzt bereits die Aktuelle Programm Version ! v" + programVersion;
  if (online > mine) return "Online Version : v" + std::string(line) + "\n Deine Version : v" + programVersion;
  return "Deine Programm Version ist Neuer als die Online Version !";
}

std::optional<std::string> VerdictOfAnswer(std::string_view answer, bool cutShort, const std::string& programVersion) {
  const size_t start = BodyStart(answer);
  if (start == std::string_view::npos) return std::nullopt;
  std::string_view body = answer.substr(start);
  if (body.size() > kMostVersionBodyBytes) {
    body = body.substr(0, kMostVersionBodyBytes);
    cutShort = true;
  }
  std::optional<std::string> verdict;
  for (size_t at = 0; at < body.size();) {
    size_t end = body.find('\n', at);
    if (end == std::string_view::npos && cutShort) break;  // a line the cut tore off
    if (end == std::string_view::npos) end = body.size();
    verdict = VersionVerdict(WithoutCarriageReturns(body.substr(at, end - at)), programVersion);
    at = end + 1;
  }
  return verdict;
}

std::string VersionRequest(const WebServer& server) {
  return "GET " + std::string(kVersionPath) + " HTTP/1.0\r\nHost: " + server.host + "\r\n\r\n";
}

std::optional<std::string> CheckVersionOnline(const WebServer& server, const std::string& programVersion,
                                              std::chrono::milliseconds deadline) {
  // Stops once the body's bound is read, or after as much of headers that never end.
  const auto enough = [](std::string_view received) {
    const size_t start = BodyStart(received);
    return received.size() >= kMostVersionBodyBytes + (start == std::string_view::npos ? 0 : start);
  };
  const std::optional<TcpAnswer> answer = FetchOverTcp(server.host, server.port, VersionRequest(server), deadline, enough);
  if (!answer || !answer->complete) return kNoOnlineVersion;
  return VerdictOfAnswer(answer->bytes, enough(answer->bytes), programVersion);
}

}  // namespace strohvik
