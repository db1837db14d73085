#include "frontend/session_runner.h"

#include "device/device_choice.h"
#include "device/write_guard.h"
#include "frontend/reporter.h"

namespace orvik {

SessionEnd runSession(HidTransport& transport, const QString& choice, Reporter& reporter,
                      const Session& session, WriteGuard* guard)
{
    ChosenAppliance chosen(transport, choice);
    bool told = false;
    const bool ran = runOperation(reporter, [&] {
        if (!guard) {
            told = session(chosen);
            return;
        }
        GuardedAppliance guarded(chosen, *guard);
        told = session(guarded);
    });
    return {ran && told, chosen.endSession()};
}

} // namespace orvik
