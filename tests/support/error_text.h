#pragma once
// The message, in UTF-8, of the `Error` a call raises; "" when it raises
// none. An exception of another class goes on to fail the test.

#include "framework/exceptions.h"
#include "platform/cp932.h"

#include <string>

namespace zel::test {

template <class Error = Exception, class Fn> std::string ErrorOf(Fn&& fn) {
    try {
        fn();
    } catch (const Error& e) {
        return cp932::ToUtf8(e.Message());
    }
    return {};
}

} // namespace zel::test
