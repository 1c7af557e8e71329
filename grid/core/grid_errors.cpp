#include "grid/core/grid_errors.h"

#include "framework/format.h"
#include "platform/cp932.h"

#include <QtGlobal>
#include <exception>

namespace zel {
namespace {

TGridExceptionHandler& Handler() {
    static TGridExceptionHandler handler;
    return handler;
}

} // namespace

void RaiseGridError(const char* utf8Message) {
    throw EInvalidGridOperation(Fmt(utf8Message, {}));
}

void SetGridExceptionHandler(TGridExceptionHandler handler) {
    Handler() = std::move(handler);
}

void HandleGridException() {
    if (Handler()) {
        Handler()();
        return;
    }
    try {
        throw;
    } catch (const std::exception& e) {
        qWarning("grid: %s", cp932::ToUtf8(e.what()).c_str());
    } catch (...) {
        qWarning("grid: unknown exception");
    }
}

} // namespace zel
