#pragma once

#include "device/write_guard.h"
#include "frontend/session_runner.h"

namespace orvik {
class FolderEmulator;
}

namespace orvik::cli {

struct Context;

// Says that without --emulator no appliance is reached: there is no USB here.
void sayNoUsb(Context& ctx);
// Loads the emulated appliances kept in --emulator DIR into `emulator`, and
// names the subdirectories it left out; false, said why, when the folder
// cannot be used.
[[nodiscard]] bool loadEmulator(Context& ctx, FolderEmulator& emulator);

// Runs one device session on the appliance the options name: on USB or among
// the emulated ones kept in --emulator DIR, the one --device names, or the
// first, and tells its result. The session's transport stays on the appliance
// it first opens, and has it to itself from its first open to its end.
// Returns the exit status: 0 when the session succeeded, 1 when it did not
// (also when it ended in the error box, the appliance was in use, or the
// emulator's files could not be read or written).
int runOnDevice(Context& ctx, const Session& session);
// runOnDevice for a session that writes `written` to the appliance, under a
// WriteGuard whose pages start with the first page the session sends: 128 +
// the signal when one came meanwhile.
int runWriteOnDevice(Context& ctx, Written written, const Session& session);

} // namespace orvik::cli
