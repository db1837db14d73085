#pragma once

#include "files/result.h"

#include <QString>

namespace orvik {

// Reasons are the system's own texts ("No such file or directory", "No space
// left on device") where it has one; callers put the path in front.

// The system's text for `error` (an errno value), as the system says it.
QString systemReason(int error);
// The failure the system gave as `error` (an errno value).
OperationError systemFailure(int error);
// The failure for a file of type `mode` that is not a regular one.
OperationError notRegularError(unsigned mode);

} // namespace orvik
