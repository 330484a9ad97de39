#pragma once
// Ctrl-C (SIGINT) and SIGTERM stop a run between two archives rather than in the middle
// of one, so that the records read so far are printed whole; the program then ends by
// the same signal, which is what the shell and a calling script look at. A second signal
// of the same kind ends the program at once.

namespace strohvik {

// From here on both signals only ask for a stop. A signal this process was started
// ignoring (a background job of a shell without job control) stays ignored.
void CatchStopSignals();
// Whether a stop has been asked for.
bool StopRequested();
// Ends the process by the signal that asked for the stop, as if it had not been caught;
// returns when none did.
void EndByStopSignal();

}  // namespace strohvik
