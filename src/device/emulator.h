#pragma once

#include "device/device_link.h"
#include "device/firmware_upload.h"
#include "device/hid_transport.h"
#include "device/protocol.h"
#include "settings/config_image.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orvik {

// Firmware pages the appliance has room for.
inline constexpr int kFirmwarePageLimit = kUploadBufferSize / kPageSize;

// Each fault kind once: its enumerator, its name in a fault plan and what it
// does (the emulator's exchange carries it out). One line each, so that a kind
// cannot lack its row.
// clang-format off
#define ORVIK_FAULT_KINDS(X) \
    X(Refuse, "refuse", "the request is not taken: the write reports 0 bytes") \
    X(WrongEcho, "wrong-echo", "the reply's byte 1 is not the command code") \
    X(BadChecksum, "bad-checksum", \
      "reply bytes 36-37 one off: a page read's checksum, nothing elsewhere") \
    X(ShortReply, "short-reply", "one byte short") \
    X(NoReply, "no-reply", "nothing comes back") \
    X(LateReply, "late-reply", "the reply misses its wait and comes before the next one") \
    X(Unplug, "unplug", "the appliance is unplugged as the request comes: gone until listed again") \
    /* Takes the milliseconds after it. */ \
    X(Hold, "hold", "the reply comes Fault::holdMs later, however long the wait")
// clang-format on

enum class FaultKind {
#define ORVIK_FAULT_KIND_ENUMERATOR(kind, name, meaning) kind,
    ORVIK_FAULT_KINDS(ORVIK_FAULT_KIND_ENUMERATOR)
#undef ORVIK_FAULT_KIND_ENUMERATOR
};

struct FaultKindRow {
    FaultKind kind;
    const char* name;
    const char* meaning;
};
inline constexpr FaultKindRow kFaultKinds[] = {
#define ORVIK_FAULT_KIND_ROW(kind, name, meaning) {FaultKind::kind, name, meaning},
    ORVIK_FAULT_KINDS(ORVIK_FAULT_KIND_ROW)
#undef ORVIK_FAULT_KIND_ROW
};

// One entry of an appliance's fault plan. An exchange that fails leaves the
// appliance's state as it was; a late reply does not: the appliance did its
// work, only its answer was slow.
struct Fault {
    Command command;
    std::optional<std::uint16_t> page; // nullopt: every page (and the version query)
    FaultKind kind;
    int holdMs = 0; // Hold only
};

// One emulated appliance (or another HID device, by its IDs).
struct Appliance {
    Appliance();

    std::string path;
    QString serialNumber;
    std::uint16_t vendorId = kOrvikVendorId;
    std::uint16_t productId = kOrvikProductId;
    bool present = true;
    QString openError; // not empty: opening fails with this reason
    // The errno a system gives with openError's words, 0 for words of none.
    int openErrno() const;
    std::uint32_t firmwareVersion = kConfiguratorFirmwareVersion;
    ConfigImage eeprom;  // erased (0xFF) until written
    QByteArray firmware; // the last upload's pages, page p at 32 * p
    std::vector<Fault> faults;
    // The time one USB frame takes each way (fault plan: frame-us N); zero
    // answers at once.
    std::chrono::microseconds frame{0};

    // What the appliance has been sent.
    std::array<int, 256> requestCounts{};
    Report lastRequest{};
    // Written since these were last cleared: what is to be kept.
    bool eepromChanged = false;
    bool firmwareChanged = false;

    [[nodiscard]] int requestCount(Command command) const
    {
        return requestCounts[static_cast<std::uint8_t>(command)];
    }
};

// A HidTransport that behaves as the appliance. Replies come at once, or a
// frame after the request and a frame for the reply at the appliance's pace; a reply
// that the fault plan withholds is a read that times out.
class ApplianceEmulator : public HidTransport {
public:
    // Attaches one more device; the reference stays valid.
    Appliance& attach(std::string path);
    std::deque<Appliance>& appliances() { return appliances_; }
    // The open appliance, or nullptr.
    Appliance* opened() { return open_; }
    // Called with every request the open appliance receives, before it answers.
    std::function<void(const Appliance&, const Report&)> onRequest;
    // How the emulator lets a frame's time pass; tests count instead.
    std::function<void(std::chrono::microseconds)> pause = [](std::chrono::microseconds t) {
        std::this_thread::sleep_for(t);
    };

    std::vector<HidInterface> enumerate() override;
    Result<> open(const std::string& path) override;
    int write(const Report& request) override;
    int read(Report& reply, int timeoutMs) override;
    void close() override;
    bool gone() override;

private:
    struct Reply {
        Report bytes{};
        int length = kReportSize;
        bool late = false; // still on its way when first waited for
        int holdMs = 0;    // how long the appliance takes to send it
    };

    std::deque<Appliance> appliances_;
    Appliance* open_ = nullptr;
    std::deque<Reply> replies_; // sent by the appliance, not yet read
};

} // namespace orvik
