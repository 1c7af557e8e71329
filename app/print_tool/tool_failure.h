#pragma once
// A failure of a zelmark-print run, already worded for the operator: one
// line in UTF-8 naming the file or queue and the cause.

#include <stdexcept>

namespace zel::app {

class EToolFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zel::app
