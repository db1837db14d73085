#pragma once

#include "device/hid_transport.h"
#include "files/result.h"

#include <QString>
#include <functional>

namespace orvik {

class Reporter;
class WriteGuard;

// A device session: it runs on the appliance it is given and returns how it
// went, which the runner tells.
using Session = std::function<Result<>(HidTransport& appliance)>;

// How a session ended.
struct SessionEnd {
    bool succeeded = false;
    // The session's end: what it wrote kept, the appliance released. The front
    // end tells it once it has said how the session went.
    Result<> released;
    // The first signal that came during a guarded write, or 0: the program
    // ends with 128 + it once it has let the appliance go.
    int signal = 0;
};

// Runs one device session as both front ends run it: on the appliance `choice`
// names (by path or serial number) among those `transport` reaches, or the
// first; the appliance stays the session's, across its opens, until the end.
// Under `guard` the guard's pages start with the first page the session
// sends. The session's result is told; an exception escaping it ends it in the
// error box.
SessionEnd runDeviceSession(HidTransport& transport, const QString& choice, Reporter& reporter,
                            const Session& session, WriteGuard* guard = nullptr);

} // namespace orvik
