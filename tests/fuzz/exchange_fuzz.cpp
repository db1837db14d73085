// Arbitrary replies to every exchange and to the sessions built on them: no
// reply may crash a session, and a rejected page read must leave its
// destination as it was.
#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/firmware_upload.h"
#include "device/protocol.h"
#include "settings/operation.h"
#include "settings/settings.h"
#include "support/silent_reporter.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace orvik;

using Silent = test::SilentReporter;

// An appliance whose every answer is taken from the fuzzer's bytes: a byte
// for the write count, a byte for the read count, then the reply itself.
class ScriptedTransport : public HidTransport {
public:
    ScriptedTransport(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::vector<HidInterface> enumerate() override
    {
        return {{kOrvikVendorId, 0x0001, "other"}, {kOrvikVendorId, kOrvikProductId, "orvik"}};
    }
    bool open(const std::string& path, QString& reason) override
    {
        if (path != "orvik")
            std::abort();
        reason.clear();
        return true;
    }
    int write(const Report&) override { return count(next()); }
    int read(Report& reply, int timeoutMs) override
    {
        if (timeoutMs <= 0)
            std::abort();
        const int length = count(next());
        for (int i = 0; i < length; ++i)
            reply[i] = next();
        return length;
    }
    void close() override {}

private:
    // Mostly a whole report, sometimes any shorter count.
    static int count(std::uint8_t b) { return b < 32 ? b % kReportSize : kReportSize; }
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

class SmallFirmware : public FirmwareSource {
public:
    bool find(int) override { return true; }
    std::optional<QByteArray> load(int) override { return QByteArray(100, '\x42'); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::uint8_t scenario = data[0];
    const auto pageIndex = static_cast<std::uint16_t>(data[1] | data[2] << 8);
    ScriptedTransport transport(data + 3, size - 3);
    Silent reporter;

    switch (scenario % 7) {
    case 0: {
        std::uint32_t version = 0xDEADBEEF;
        if (!QueryFirmwareVersion(transport, version) && version != 0xDEADBEEF)
            std::abort();
        break;
    }
    case 1: {
        std::array<std::uint8_t, kPageSize> page;
        page.fill(0xA5);
        if (!ReadConfigPage(transport, page, pageIndex) &&
            std::any_of(page.begin(), page.end(), [](std::uint8_t b) { return b != 0xA5; }))
            std::abort();
        break;
    }
    case 2: {
        const std::array<std::uint8_t, kPageSize> page{};
        (void)WriteConfigPage(transport, page, pageIndex);
        (void)WriteFirmwarePage(transport, page, pageIndex);
        break;
    }
    case 3:
        (void)ShowFirmwareVersion(transport, reporter);
        break;
    case 4: {
        Settings settings([] { return std::int64_t(0); });
        ConfigImage received;
        (void)ReadConfigSession(settings, received, transport, reporter);
        break;
    }
    case 5: {
        Settings settings([] { return std::int64_t(0); });
        ConfigImage outgoing;
        (void)WriteConfigSession(settings, outgoing, transport, reporter);
        break;
    }
    default: {
        SmallFirmware firmware;
        bool enabled = true;
        (void)UploadFirmwareSession(transport, firmware, reporter, [&](bool e) { enabled = e; });
        if (!enabled)
            std::abort();
        break;
    }
    }
    return 0;
}
