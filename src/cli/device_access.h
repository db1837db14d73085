#pragma once

#include "device/hid_transport.h"

#include <functional>

namespace orvik::cli {

struct Context;

// Runs one device session on the appliance the options name: the emulated one
// kept in --emulator DIR, or the one on USB. Returns the exit status: 0 when
// the session succeeded, 1 when it did not (also when it ended in the error
// box, or the emulator's files could not be read or written).
int runOnDevice(Context& ctx, const std::function<bool(HidTransport&)>& session);

} // namespace orvik::cli
