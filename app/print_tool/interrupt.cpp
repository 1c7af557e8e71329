#include "app/print_tool/interrupt.h"

#include "app/print_tool/tool_failure.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

namespace zel::app {
namespace {

volatile std::sig_atomic_t caughtSignal = 0;

// A file that only exists for a moment and must not outlive the tool, even
// when it ends at once. Written before the handlers can read it, and then
// only switched on and off, so the handler never sees it half-changed.
char abruptEndFile[4096];
volatile std::sig_atomic_t abruptEndFileSet = 0;

extern "C" void NoteSignal(int signal) {
    if (caughtSignal != 0) {
        // Asked twice: the run is not waited for. What it had named on disk
        // goes, then the default action ends the tool once this returns.
        if (abruptEndFileSet)
            ::unlink(abruptEndFile);
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    caughtSignal = signal;
}

} // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read or an open that waits (a terminal, a FIFO with
    // no writer yet) returns EINTR, so the reader can look at the note.
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

int InterruptSignal() {
    return caughtSignal;
}

void EndByInterruptSignal() {
    const int signal = caughtSignal;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal); // not reached: the default action ends the process
}

void StopIfInterrupted() {
    if (caughtSignal != 0)
        throw EToolFailure("中断しました");
}

bool RemoveOnAbruptEnd(const std::string& path) {
    abruptEndFileSet = 0;
    if (path.size() >= sizeof abruptEndFile)
        return false;
    std::memcpy(abruptEndFile, path.c_str(), path.size() + 1);
    abruptEndFileSet = 1;
    return true;
}

void KeepOnAbruptEnd() {
    abruptEndFileSet = 0;
}

} // namespace zel::app
