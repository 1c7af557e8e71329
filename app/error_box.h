#pragma once
// The standard error box: every exception that leaves an event handler ends
// up here. It is a modal message box titled with the application title,
// with a stop icon and one OK button.

#include <functional>
#include <string>

namespace zel::app {

// The message as the box shows it: "." is appended when the last character
// sorts above ".".
std::string ErrorBoxText(const std::string& message);

// Shows `message` (code page 932) in the error box.
void ShowErrorBox(const std::string& message);

// Shows the exception being handled; call it only inside a catch block.
void ShowCurrentException();

// Runs what a window stores before it closes. When that fails, the error is
// shown with the question whether to close without saving, so a file that
// cannot be written never keeps the window from closing. True when it
// stored, or when the operator answered yes.
bool StoreOrCloseWithoutSaving(const std::function<void()>& store);

// Runs an event handler; an exception leaving it is shown in the error box
// and the program goes on. True when the handler finished normally.
template <typename Handler> bool RunHandler(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

} // namespace zel::app
