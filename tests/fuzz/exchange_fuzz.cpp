// Complete "Write config", "Read config", backup-then-write and firmware
// upload sessions against the emulated appliance, the input choosing for each
// exchange a good reply or one of the faults, and the unpacking after a read.
// No choice may crash a session, leave the device open, report a page kept
// that the appliance does not hold, or touch an appliance not chosen.
#include "device/config_sessions.h"
#include "device/device_choice.h"
#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "frontend/read_config.h"
#include "settings/config_image.h"
#include "settings/settings.h"
#include "support/silent_reporter.h"

#include <cstdlib>

namespace {

using namespace orvik;

// Every fault kind (hold held 0 ms: no time lost), and two good replies.
constexpr int kChoices = 2 + std::size(kFaultKinds);

// The fuzzer's bytes, one per exchange; good replies once they run out.
class Choices {
public:
    Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Before each request the appliance learns how this exchange goes wrong, if
// at all.
void script(ApplianceEmulator& emulator, Choices& choices)
{
    emulator.onRequest = [&emulator, &choices](const Appliance&, const Report& request) {
        Appliance& a = *emulator.opened(); // the one asked
        a.faults.clear();
        const int choice = choices.next() % kChoices;
        if (choice >= 2) {
            const auto command = static_cast<Command>(request[kCommandOffset]);
            a.faults.push_back({command, std::nullopt, kFaultKinds[choice - 2].kind});
        }
    };
}

Settings freshSettings()
{
    return Settings([] { return std::int64_t{1700000000}; });
}

// What the appliance holds before the session: a configuration written by
// this configurator.
const ConfigImage& storedImage()
{
    static const ConfigImage image = [] {
        ConfigImage packed{};
        if (!PackConfigImage(freshSettings(), packed).ok())
            std::abort();
        return packed;
    }();
    return image;
}

void expect(bool holds)
{
    if (!holds)
        std::abort();
}

class SmallFirmware : public FirmwareSource {
public:
    bool find(int) const override { return true; }
    std::optional<QByteArray> load(int) const override { return QByteArray(100, '\x42'); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    ApplianceEmulator emulator;
    Appliance& other = emulator.attach("p1");
    other.serialNumber = "S1";
    Appliance& appliance = emulator.attach("p2");
    appliance.serialNumber = "S2";
    appliance.eeprom = storedImage();
    if (data[1] == 0xFF)
        appliance.firmwareVersion = 101;
    Choices choices(data + 2, size - 2);
    script(emulator, choices);
    ChosenAppliance chosen(emulator, "S2");
    test::SilentReporter reporter;

    switch (data[0] % 4) {
    case 0: {
        Settings settings = freshSettings();
        ConfigImage outgoing{};
        if (WriteConfigSession(settings, outgoing, chosen, reporter).ok())
            expect(appliance.eeprom == outgoing);
        break;
    }
    case 1: {
        Settings settings = freshSettings();
        ConfigImage received{};
        EepromFetch fetched = EepromFetch::NotRead;
        const bool read = ReadConfigSession(settings, received, chosen, reporter, &fetched);
        if (fetched == EepromFetch::Complete)
            expect(received == appliance.eeprom);
        if (read)
            expect(CheckEepromImage(received));
        break;
    }
    case 2: {
        // write --backup: the backup read, then the write, on the same
        // appliance or none; the input may unplug it in between.
        ConfigImage backup{};
        const Result<EepromFetch> read = FetchEeprom(backup, chosen, reporter, SessionWords::Write);
        if (!read.ok() || *read != EepromFetch::Complete)
            break;
        appliance.present = choices.next() % 2 == 0;
        if (WriteConfigImage(storedImage(), chosen, reporter).ok())
            expect(appliance.present && appliance.eeprom == storedImage());
        break;
    }
    default: {
        SmallFirmware firmware;
        const bool sent = UploadFirmwareSession(chosen, firmware, reporter).ok();
        if (sent)
            expect(appliance.firmware == QByteArray(100, '\x42') + QByteArray(28, '\0'));
        break;
    }
    }
    expect(emulator.opened() == nullptr);
    expect(other.requestCounts == decltype(other.requestCounts){});
    return 0;
}
