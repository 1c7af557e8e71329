#pragma once
// Exceptions of the report output.

#include "framework/exceptions.h"

namespace zel {

// The report printer used out of order.
class EQRError : public Exception {
public:
    using Exception::Exception;
};

// A printer that refuses to start or to take a job, or none installed.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// "No printer is installed", as an EPrinter.
[[noreturn]] void RaiseNoPrinter();

} // namespace zel
