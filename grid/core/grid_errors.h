#pragma once
// The grid's failures, and the way its event overrides hand an exception to
// the application instead of letting it run into Qt's event dispatch.

#include "framework/exceptions.h"

#include <functional>

namespace zel {

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

// Raises EInvalidGridOperation with one of the grid's texts (msg::kGrid...).
[[noreturn]] void RaiseGridError(const char* utf8Message);

// Called inside a catch block for an exception that left a grid event. The
// application registers its error box here; until it does, the message is
// written to Qt's warning log.
using TGridExceptionHandler = std::function<void()>;
void SetGridExceptionHandler(TGridExceptionHandler handler);
void HandleGridException();

// Runs one event override's body; an exception ends it and goes to the
// registered handler.
template <typename Body> void GuardGridEvent(Body&& body) {
    try {
        body();
    } catch (...) {
        HandleGridException();
    }
}

} // namespace zel
