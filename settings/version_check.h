#pragma once
// Whether a newer program version exists, as the about window's label tells it: an
// HTTP/1.0 request for the version resource, headers skipped, and every body line
// compared with the program version, the last line deciding.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/web_server.h"

namespace strohvik {

inline constexpr const char* kNoOnlineVersion = "Keine Online Version";
inline constexpr std::chrono::milliseconds kVersionCheckDeadline{5000};
// More of the answer's body is not read; the lines read so far count.
inline constexpr size_t kMostVersionBodyBytes = 64 * 1024;

// The text with its dots removed, read as a decimal integer: leading blanks skipped, an
// optional sign, digits up to the first other character; 0 without digits. Saturates
// at the ends of the integer range instead of overflowing.
int64_t VersionNumber(std::string_view text);

// The label text for one body line.
std::string VersionVerdict(std::string_view line, const std::string& programVersion);

// The label text for a whole answer, or none when its body holds no line (the label
// then stays as it was). A body cut short keeps its complete lines only.
std::optional<std::string> VerdictOfAnswer(std::string_view answer, bool cutShort, const std::string& programVersion);

std::string VersionRequest(const WebServer& server);

// Asks the server; "Keine Online Version" when it cannot be asked or does not answer
// within the deadline.
std::optional<std::string> CheckVersionOnline(const WebServer& server, const std::string& programVersion,
                                              std::chrono::milliseconds deadline = kVersionCheckDeadline);

}  // namespace strohvik
