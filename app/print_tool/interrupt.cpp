#include "app/print_tool/interrupt.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace zel::app {
namespace {

volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void NoteSignal(int signal) {
    caughtSignal = signal;
}

} // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    // Reads and writes go on: the run checks the note between pages.
    action.sa_flags = SA_RESTART;
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

} // namespace zel::app
