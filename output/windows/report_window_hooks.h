#pragma once
// What the report output's windows ask of the application without
// depending on it: the application registers its error box and its message
// box here at start-up. Until it does, exceptions go to Qt's warning log and
// messages to a plain Qt message box.

#include <functional>
#include <string>

namespace zel {

struct TReportWindowHooks {
    // Called inside a catch block for an exception that left a window event.
    std::function<void()> ShowCurrentException;
    // A message for the operator (code page 932) in a box with one OK button.
    std::function<void(const std::string&)> ShowMessage;
    // A warning with the question whether to go on (code page 932): Yes
    // is true, and No is the default.
    std::function<bool(const std::string&)> AskGoOn;
};

void SetReportWindowHooks(TReportWindowHooks hooks);

// Inside a catch block only.
void HandleReportWindowException();
void ShowReportWindowMessage(const std::string& text);
// The question whether to print anyway after a warning.
bool AskReportWindowGoOn(const std::string& warning);

// Runs one event handler's body; an exception ends it and is shown.
template <typename Body> void GuardReportWindowEvent(Body&& body) {
    try {
        body();
    } catch (...) {
        HandleReportWindowException();
    }
}

} // namespace zel
