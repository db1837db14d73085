#pragma once

#include "files/result.h"
#include "settings/setting_id.h"

#include <array>
#include <cstdint>

namespace orvik {

class Settings;

// The appliance's whole configuration as it lies in its EEPROM, moved as
// 192 pages of 32 bytes.
inline constexpr int kImageSize = 6144, kPageSize = 32, kPageCount = 192;
using ConfigImage = std::array<std::uint8_t, kImageSize>;

// Clears `image`, validates while packing in the rule order, stamp drawn at
// settings.clock()(). Fails for the information box with the first failing
// rule's message, so nothing is cut or narrowed. Fails with notANumber where a
// number does not convert.
Result<> PackConfigImage(const Settings& settings, ConfigImage& image);

// Version test (fails for the information box, no setting touched), then
// unpacks every stored value into `settings`. The image is only read.
Result<> UnpackConfigImage(const ConfigImage& received, Settings& settings);

// How many characters of the setting's text its field holds (and its
// terminator); 0 for a setting stored as a number, or not stored.
[[nodiscard]] int storedTextRoom(Setting setting);

// The 32-bit sum of offsets 4..1447 equals the u32 at 0, and "END" stands at 1443.
[[nodiscard]] bool CheckEepromImage(const ConfigImage& image);

} // namespace orvik
