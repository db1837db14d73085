#pragma once

#include "files/result.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvik {

// Both directions: report ID 0, then the appliance's 64-byte report.
inline constexpr int kReportSize = 65;
using Report = std::array<std::uint8_t, kReportSize>;

struct HidInterface {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string path;     // meaningful only to the transport that listed it
    QString serialNumber; // empty when the device gives none
};

// Whether a session may have an appliance to itself.
enum class Claim {
    Taken, // it is this session's until endSession
    Busy,  // another session, of this program or another, has it
};

// The HID layer as the device link needs it. The USB backend and the appliance
// emulator both implement it; sessions receive it as a parameter. At most one
// interface is open at a time.
class HidTransport {
public:
    virtual ~HidTransport() = default;
    // The present HID interfaces, in a stable order.
    virtual std::vector<HidInterface> enumerate() = 0;
    // Opens `path` for writing and reading. A failure's text is the system's
    // own words for it.
    virtual Result<> open(const std::string& path) = 0;
    // Sends one report; how many bytes went (0 when the write failed outright).
    [[nodiscard]] virtual int write(const Report& request) = 0;
    // Waits at most `timeoutMs` for one report; how many bytes came, report ID
    // included (0 when nothing came in time).
    [[nodiscard]] virtual int read(Report& reply, int timeoutMs) = 0;
    // Safe at any time, also when nothing is open.
    virtual void close() = 0;
    // Whether the appliance opened last has been unplugged since: asked when
    // an exchange failed, to tell the one from a refusal.
    [[nodiscard]] virtual bool gone() { return false; }

    // One session at a time per appliance: a session claims the appliance at
    // `path` before its first exchange and keeps it across closes and
    // reopens until endSession. Claiming what the session holds already is
    // Taken; one that cannot be taken fails. A transport with nothing to share
    // takes every claim.
    virtual Result<Claim> claim(const std::string& path)
    {
        static_cast<void>(path);
        return Claim::Taken;
    }
    // Makes lasting what the appliance was sent, before a session reports
    // success.
    virtual Result<> keep() { return {}; }
    // Keeps what the session changed and lets the appliance go; safe when
    // nothing was claimed.
    virtual Result<> endSession() { return keep(); }
};

using HidTransportFactory = std::function<std::unique_ptr<HidTransport>()>;

} // namespace orvik
