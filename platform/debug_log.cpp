#include "platform/debug_log.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace strohvik {
namespace {

DebugLogSink EnvironmentSink() {
  const char* flag = std::getenv("STROHVIK_DEBUG");
  if (flag == nullptr || *flag == '\0' || std::string_view(flag) == "0") return nullptr;
  return [](const std::string& message) { std::fprintf(stderr, "[debug] %s\n", message.c_str()); };
}

DebugLogSink& CurrentSink() {
  static DebugLogSink sink = EnvironmentSink();
  return sink;
}

}  // namespace

void DebugLog(std::string_view message) {
  if (const auto& sink = CurrentSink()) sink(std::string(message));
}

ScopedDebugLogSink::ScopedDebugLogSink(DebugLogSink sink) : previous_(std::exchange(CurrentSink(), std::move(sink))) {}

ScopedDebugLogSink::~ScopedDebugLogSink() { CurrentSink() = std::move(previous_); }

}  // namespace strohvik
