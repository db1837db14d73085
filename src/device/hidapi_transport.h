#pragma once

#include "device/appliance_lock.h"
#include "device/hid_transport.h"

struct hid_device_;

namespace orvik {

// The appliance over USB through hidapi (hidraw on Linux). The only code that
// speaks to hidapi.
class HidapiTransport : public HidTransport {
public:
    HidapiTransport();
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    std::vector<HidInterface> enumerate() override;
    Result<> open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, int timeoutMs) override;
    void close() override;
    // Its node has disappeared.
    bool gone() override;
    // The lock is on the device node, which the system's other HID users
    // (careful FIDO and HID tools) lock as well.
    Result<Claim> claim(const std::string& path) override;
    Result<> endSession() override;

private:
    ApplianceLock lock_;
    hid_device_* device_ = nullptr;
    QString path_; // of the open device: the orvik.hid log names it, gone() looks for it
};

} // namespace orvik
