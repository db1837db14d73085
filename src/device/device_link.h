#pragma once

#include "device/hid_transport.h"

#include <cstdint>

namespace orvik {

class Reporter;

inline constexpr std::uint16_t kOrvikVendorId = 0x0483;
inline constexpr std::uint16_t kOrvikProductId = 0xA04F;

// Opens the first present appliance; later ones are ignored. Logs the "found"
// or "not found" line. True only when the appliance is open; when it is found
// but cannot be opened, a second line gives the system's reason.
[[nodiscard]] bool OpenDevice(HidTransport& transport, Reporter& reporter);
// Safe at any time.
void CloseDevice(HidTransport& transport);

// Closes the device however the scope is left.
class DeviceCloser {
public:
    explicit DeviceCloser(HidTransport& transport) : transport_(transport) {}
    ~DeviceCloser() { CloseDevice(transport_); }
    DeviceCloser(const DeviceCloser&) = delete;
    DeviceCloser& operator=(const DeviceCloser&) = delete;

private:
    HidTransport& transport_;
};

} // namespace orvik
