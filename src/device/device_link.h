#pragma once

#include "device/hid_transport.h"

#include <QScopeGuard>
#include <cstdint>
#include <vector>

namespace orvik {

class Progress;

inline constexpr std::uint16_t kOrvikVendorId = 0x0483;
inline constexpr std::uint16_t kOrvikProductId = 0xA04F;
// The line that says no appliance is attached.
QString notFoundLine();
// The error box when another session has the appliance.
QString inUseText();
// The line a failed open logs for `reason` (the system's words) where it
// tells what to do about it (the udev rule, the cable); empty where it does
// not.
QString openHintLine(const QString& reason, int error);

[[nodiscard]] inline bool isAppliance(const HidInterface& candidate)
{
    return candidate.vendorId == kOrvikVendorId && candidate.productId == kOrvikProductId;
}

// The present appliances, in the transport's order, each with its path and
// serial number.
[[nodiscard]] std::vector<HidInterface> ListAppliances(HidTransport& transport);

// Claims and opens the first present appliance; later ones are ignored.
// Succeeds only when the appliance is open. Logs the "found" line, or fails
// for the "not found" line; when it is found but cannot be opened, fails for
// a second line giving the system's reason. When another session has it,
// fails for the error box, before any exchange.
Result<> OpenDevice(HidTransport& transport, Progress& progress);
// Safe at any time.
void CloseDevice(HidTransport& transport);

// Closes the device however the scope is left.
[[nodiscard]] inline auto closeOnExit(HidTransport& transport)
{
    return qScopeGuard([&transport] { CloseDevice(transport); });
}

} // namespace orvik
