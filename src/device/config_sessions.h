#pragma once

#include "device/hid_transport.h"
#include "settings/config_image.h"

#include <QString>

namespace orvik {

class Reporter;
class Settings;

// Logged when the appliance does not tell its firmware version.
inline const QString kFirmwareVersionReadError = QStringLiteral("Firmware version read error.");

// Writes the 192 pages of `image`, logging each; false at the first refusal.
[[nodiscard]] bool WriteEeprom(const ConfigImage& image, HidTransport& transport,
                               Reporter& reporter);
// Reads the 192 pages into `image`, logging each; false at the first failure,
// which leaves that page and the rest as they were.
[[nodiscard]] bool ReadEeprom(ConfigImage& image, HidTransport& transport, Reporter& reporter);

// "Write config": validates and packs the settings into `outgoing` and writes
// it to the appliance. True when every page was written. May throw
// ConversionError (before the appliance is touched).
[[nodiscard]] bool WriteConfigSession(Settings& settings, ConfigImage& outgoing,
                                      HidTransport& transport, Reporter& reporter);
// "Read config": reads the appliance's image into `received`, checks it and
// unpacks it into the settings. True when the settings were read.
[[nodiscard]] bool ReadConfigSession(Settings& settings, ConfigImage& received,
                                     HidTransport& transport, Reporter& reporter);

} // namespace orvik
