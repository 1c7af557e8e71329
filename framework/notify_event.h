#pragma once
// The event that tells its handler only who raised it. Sender is the class
// that raises it, so a handler gets the report, the printer or the grid
// itself rather than something it has to cast.

#include <functional>

namespace zel {

template <class Sender> using TNotifyEvent = std::function<void(Sender& sender)>;

} // namespace zel
