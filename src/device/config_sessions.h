#pragma once

#include "device/hid_transport.h"
#include "settings/config_image.h"

#include <QString>

namespace orvik {

class Progress;
class Settings;

// Logged when a received image fails CheckEepromImage.
QString eepromChecksumError();

// Whose words the firmware version mismatch box takes.
enum class SessionWords { Read, Write };

// How far a read of the whole EEPROM came.
enum class EepromFetch {
    NotRead,  // not opened, or not our firmware
    Broken,   // a page could not be read; it and the rest stay zero
    Complete, // all 192 pages came; whether they make an image is CheckEepromImage's call
};

// Writes the 192 pages of `image`, logging each; fails at the first refusal,
// or, unplugged, saying what the appliance now holds, and where the
// configuration it held before was kept when `backup` names a file.
Result<> WriteEeprom(const ConfigImage& image, HidTransport& transport, Progress& progress,
                     const QString& backup);
// Reads the 192 pages into `image`, logging each; fails at the first failure,
// which leaves that page and the rest as they were.
Result<> ReadEeprom(ConfigImage& image, HidTransport& transport, Progress& progress);

// The reading steps of "Read config": clears `received`, opens the appliance,
// checks its firmware version (the mismatch box in `words`), reads the 192
// pages into `received` and closes the appliance. Fails, saying why, when
// nothing was read or the appliance was unplugged; otherwise tells how far the
// read came, a Broken read with its page's line as a note.
Result<EepromFetch> FetchEeprom(ConfigImage& received, HidTransport& transport, Progress& progress,
                                SessionWords words);

// The first step of "Write config": the PC time into the clock fields while
// Uploadpctime is ticked.
void TakePctimeForWrite(Settings& settings);
// "Write config" before the appliance is touched: TakePctimeForWrite, then
// validation and packing into `outgoing`. Fails as packing does.
Result<> PrepareConfigWrite(Settings& settings, ConfigImage& outgoing);
// "Write config" on the appliance: opens it, checks its firmware version,
// writes the 192 pages of `outgoing` (WriteEeprom) and closes it.
Result<> WriteConfigImage(const ConfigImage& outgoing, HidTransport& transport, Progress& progress,
                          const QString& backup = {});
// "Write config": PrepareConfigWrite, then WriteConfigImage. Succeeds when
// every page was written.
Result<> WriteConfigSession(Settings& settings, ConfigImage& outgoing, HidTransport& transport,
                            Progress& progress);

} // namespace orvik
