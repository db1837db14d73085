#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace orvik {

// The firmware image embedded at build time (generated from
// ORVIK_FIRMWARE_IMAGE); nullopt when the build was given none.
std::optional<std::span<const std::uint8_t>> carriedFirmwareImage();

} // namespace orvik
