#pragma once
// Ctrl+C, a terminal hung up or a termination request while zelmark-print
// runs. The handler only notes the signal: the run stops at the next page
// and unwinds, so no temporary page file and no half-written output stay
// behind. The tool then ends by the same signal, as a shell expects of an
// interrupted command.

namespace zel::app {

// Catches SIGINT, SIGTERM and SIGHUP from now on.
void CatchInterrupts();
// The signal caught so far, or 0.
int InterruptSignal();
// Ends the process by the caught signal's default action.
[[noreturn]] void EndByInterruptSignal();

} // namespace zel::app
