// Windows has no stop signals: Ctrl-C and Ctrl-Break reach a console program as console
// events on a thread of their own, and a program they stopped ends with the exit code
// STATUS_CONTROL_C_EXIT, which is what cmd.exe and a calling script look at.
#include <atomic>

#include "platform/windows_api.h"
#include "tools/inspect/stop_signals.h"

namespace strohvik {
namespace {

std::atomic<bool> stopRequested{false};

BOOL WINAPI NoteStop(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  // The second one is left to the default handler, which ends the process at once.
  return stopRequested.exchange(true) ? FALSE : TRUE;
}

}  // namespace

void CatchStopSignals() { ::SetConsoleCtrlHandler(NoteStop, TRUE); }

bool StopRequested() { return stopRequested; }

void EndByStopSignal() {
  if (stopRequested) ::ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
}

}  // namespace strohvik
