#pragma once

#include "device/hid_transport.h"

namespace orvik {

// A transport that wraps another and passes every call on to it; one that
// wraps another overrides only what it changes.
class ForwardingTransport : public HidTransport {
public:
    // `inner` is only kept here, so it may be a member still to be made.
    explicit ForwardingTransport(HidTransport& inner) : inner_(inner) {}

    std::vector<HidInterface> enumerate() override { return inner_.enumerate(); }
    Result<> open(const std::string& path) override { return inner_.open(path); }
    int write(const Report& request) override { return inner_.write(request); }
    int read(Report& reply, int timeoutMs) override { return inner_.read(reply, timeoutMs); }
    void close() override { inner_.close(); }
    bool gone() override { return inner_.gone(); }
    Result<Claim> claim(const std::string& path) override { return inner_.claim(path); }
    Result<> keep() override { return inner_.keep(); }
    Result<> endSession() override { return inner_.endSession(); }

private:
    HidTransport& inner_;
};

} // namespace orvik
