#include "tools/inspect/stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>

namespace strohvik {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM};

// Written by the handler only: a handler may do no more than set such a flag.
volatile std::sig_atomic_t stopSignal = 0;

void NoteStop(int number) { stopSignal = number; }

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = NoteStop;
  sigemptyset(&action.sa_mask);
  // Interrupted reads and writes go on, so the archive being read is not reported as
  // damaged; the handler then gives way to the default action for a second signal.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int number : kStopSignals) {
    struct sigaction previous {};
    if (sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(number, &action, nullptr);
  }
}

bool StopRequested() { return stopSignal != 0; }

void EndByStopSignal() {
  const int number = stopSignal;
  if (number == 0) return;
  std::signal(number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(number);
  // Not reached unless the default action could not end the process.
  _exit(128 + number);
}

}  // namespace strohvik
