#pragma once

#include "device/hid_transport.h"
#include "orvik_version.h"
#include "settings/config_image.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace orvik {

enum class Command : std::uint8_t {
    FirmwareVersion = 0xFB,
    ReadConfigPage = 0xFC,
    WriteConfigPage = 0xFD,
    WriteFirmwarePage = 0xFE,
};

// Offsets in the 65-byte frame.
inline constexpr int kCommandOffset = 1;
inline constexpr int kPageIndexOffset = 2;
inline constexpr int kFirmwareVersionOffset = 2; // the version query's reply
inline constexpr int kPageDataOffset = 4;
inline constexpr int kChecksumOffset = kPageDataOffset + kPageSize;

// The firmware version this configurator was made for, in hundredths.
inline constexpr std::uint32_t kConfiguratorFirmwareVersion = kVersionHundredths;

// How long a reply is awaited. The appliance may erase flash before it
// answers; an endless wait would freeze the window for good.
inline constexpr int kReplyTimeoutMs = 5000;

using PageData = std::span<const std::uint8_t, kPageSize>;
using PageBuffer = std::span<std::uint8_t, kPageSize>;

// The sum of the 32 bytes, kept in 16 bits (it never exceeds 8160).
[[nodiscard]] std::uint16_t pageChecksum(PageData data);

// The request of one exchange; `data` only for the two write commands.
[[nodiscard]] Report buildRequest(Command command, std::uint16_t pageIndex = 0,
                                  std::optional<PageData> data = std::nullopt);

// "%.2f" of the version in hundredths: 102 -> "1.02".
[[nodiscard]] QString versionText(std::uint32_t hundredths);

// Each exchange is one request and one reply; fails on a short write, a short
// or missing reply, a wrong echo or a page-read checksum mismatch, with no
// retry. The reason, the failure's text, also goes to the orvik.hid log; the
// user sees only the session's line. On failure the output stays untouched.
Result<std::uint32_t> QueryFirmwareVersion(HidTransport& transport);
// Why the appliance did not tell its firmware version, as the log says it:
// unplugged meanwhile ("Orvik 2.0 was disconnected while its firmware version
// was being read."), or "Firmware version read error.".
OperationError versionUnreadError(HidTransport& transport);

Result<> ReadConfigPage(HidTransport& transport, PageBuffer destination, std::uint16_t pageIndex);
Result<> WriteConfigPage(HidTransport& transport, PageData data, std::uint16_t pageIndex);
Result<> WriteFirmwarePage(HidTransport& transport, PageData data, std::uint16_t pageIndex);

} // namespace orvik
