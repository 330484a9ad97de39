#pragma once
// Lets tests make a write fail after it has begun, the way a full disk would: while
// one of these lives, no file of this process may grow beyond the given size.

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace strohvik {

class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(uint64_t bytes) {
    // Without this, growing a file past the limit would end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~ScopedFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit previous_{};
};

}  // namespace strohvik
