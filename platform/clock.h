#pragma once
// The current time and date, as text in the user's short formats (code page
// 932). Expressions read them; nothing else in the engine needs the clock.

#include <string>

namespace zel::platform {

std::string CurrentTimeText();
std::string CurrentDateText();

} // namespace zel::platform
