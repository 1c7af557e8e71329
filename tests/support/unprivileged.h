#pragma once
// Runs a check as an unprivileged user, so that folder permissions bite
// even when the tests themselves run as root (as CI does).

#include <functional>
#include <string>

namespace zel::test {

// Runs `body` in a child process, as user "nobody" when this process is
// root. The body returns an empty string on success or what went wrong.
// The result is what the child reported, or a description of its failure.
std::string RunUnprivileged(const std::function<std::string()>& body);

// True when a folder made read-only stops this process from writing into it.
bool PermissionsAreEnforced();

} // namespace zel::test
