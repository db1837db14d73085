#include "frontend/session_runner.h"

#include "device/device_choice.h"
#include "device/write_guard.h"
#include "frontend/reporter.h"

namespace orvik {

SessionEnd runDeviceSession(HidTransport& transport, const QString& choice, Reporter& reporter,
                            const Session& session, WriteGuard* guard)
{
    ChosenAppliance chosen(transport, choice);
    const bool succeeded = runOperation(reporter, [&] {
        if (!guard)
            return session(chosen);
        GuardedAppliance guarded(chosen, *guard);
        return session(guarded);
    });
    return {succeeded, chosen.endSession()};
}

} // namespace orvik
