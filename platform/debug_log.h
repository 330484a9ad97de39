#pragma once
// The diagnostic channel of the libraries. It discards its messages unless
// STROHVIK_DEBUG is set in the environment (messages then go to stderr) or a sink
// has been installed, which is how tests watch for a message.

#include <functional>
#include <string>
#include <string_view>

namespace strohvik {

void DebugLog(std::string_view message);

using DebugLogSink = std::function<void(const std::string&)>;

// Installs a sink for the lifetime of this object and restores the previous one after.
class ScopedDebugLogSink {
 public:
  explicit ScopedDebugLogSink(DebugLogSink sink);
  ~ScopedDebugLogSink();
  ScopedDebugLogSink(const ScopedDebugLogSink&) = delete;
  ScopedDebugLogSink& operator=(const ScopedDebugLogSink&) = delete;

 private:
  DebugLogSink previous_;
};

}  // namespace strohvik
