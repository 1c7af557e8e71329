#pragma once
// A save renames a new file over its target, so the target must be a file:
// a device, a pipe or a socket at that path would be replaced by the new
// file, not written to (and the superuser may rename over /dev/full).

#include <QString>

namespace zel::platform {

// True when `path` names nothing yet, or a regular file (through links).
bool IsSaveTarget(const QString& path);

} // namespace zel::platform
