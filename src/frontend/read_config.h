#pragma once

#include "device/config_sessions.h"

#include <functional>

namespace orvik {

class Reporter;

// The appliance's firmware version in the notice box ("Firmware version:
// 1.02"); on failure nothing is shown, and it fails for the log line
// versionUnreadError() gives.
Result<> ShowFirmwareVersion(HidTransport& transport, Reporter& reporter);

// "Read config": reads the appliance's image into `received`, checks it,
// unpacks it into the settings and shows the appliance's firmware version.
// The session goes on after a page that could not be read and after an image
// it refuses, so each step's failures are told before the next step starts.
// True when the settings were read, which may be from an image a page short
// (the check covers the first 46 pages only); `fetched`, when given, tells
// how far the read came.
bool ReadConfigSession(Settings& settings, ConfigImage& received, HidTransport& transport,
                       Reporter& reporter, EepromFetch* fetched = nullptr);
// The same, with the image that came unpacked by `unpack`: where the settings
// live, for a session that runs on another thread.
using UnpackImage = std::function<Result<>(const ConfigImage& received)>;
bool ReadConfigSession(const UnpackImage& unpack, ConfigImage& received, HidTransport& transport,
                       Reporter& reporter, EepromFetch* fetched = nullptr);

} // namespace orvik
