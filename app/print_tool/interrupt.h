#pragma once
// Ctrl+C, a terminal hung up or a termination request while zelmark-print
// runs. The handler only notes the first signal: the run stops at the next
// page, or at once while it waits for the list, and unwinds, so no
// half-written output stays behind. The tool then ends by the same signal,
// as a shell expects of an interrupted command. A second signal does not
// wait for the run: the tool ends at once.

#include <string>

namespace zel::app {

// Catches SIGINT, SIGTERM and SIGHUP from now on.
void CatchInterrupts();
// The signal caught so far, or 0.
int InterruptSignal();
// Ends the process by the caught signal's default action.
[[noreturn]] void EndByInterruptSignal();

// Stops the run by unwinding (EToolFailure "中断しました") once a signal
// has been caught, which deletes what it had written so far.
void StopIfInterrupted();

// A file (native path) that a second signal deletes before the tool ends;
// one at a time. False when the path is too long to be kept.
bool RemoveOnAbruptEnd(const std::string& path);
void KeepOnAbruptEnd();

} // namespace zel::app
