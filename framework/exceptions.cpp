#include "framework/exceptions.h"

#include "framework/format.h"
#include "framework/messages.h"

namespace zel {

void RaiseListIndexError(long long index) {
    throw EListError(Fmt(msg::kListIndexError, {static_cast<std::int64_t>(index)}));
}

} // namespace zel
