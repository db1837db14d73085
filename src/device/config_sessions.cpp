#include "device/config_sessions.h"

#include "device/device_link.h"
#include "device/page_loop.h"
#include "device/protocol.h"
#include "settings/operation.h"
#include "settings/settings.h"

namespace orvik {

namespace {

const char* const kWriteMismatch =
    "Uncompatible firmware version:\nDevice: %.2f\nConfigurator: %0.2f\n\n"
    "You need to upload new firmware using \"Upload firmware\" button.";
const char* const kReadMismatch =
    "Uncompatible firmware version:\nDevice: %.2f\nConfigurator: %0.2f\n\n"
    "You need use the same Configurator and firmware version to read device configuration "
    "or you can write new configuration using \"Write config\" button.";

// True when the open appliance runs the firmware this configurator was made
// for; otherwise tells the user why the session stops.
bool firmwareMatches(HidTransport& transport, Reporter& reporter, SessionWords words)
{
    const char* const mismatchFormat = words == SessionWords::Read ? kReadMismatch : kWriteMismatch;
    std::uint32_t version = 0;
    if (!QueryFirmwareVersion(transport, version)) {
        reporter.log(kFirmwareVersionReadError);
        return false;
    }
    if (version == kConfiguratorFirmwareVersion)
        return true;
    reporter.information(
        QString::asprintf(mismatchFormat, version * 0.01, kConfiguratorFirmwareVersion * 0.01));
    return false;
}

PageData pageOf(const ConfigImage& image, int p)
{
    return PageData(image.data() + p * kPageSize, kPageSize);
}

} // namespace

bool WriteEeprom(const ConfigImage& image, HidTransport& transport, Reporter& reporter)
{
    return transferPages(
        reporter, kPageCount, kPagesWritten,
        [&](int p) {
            return WriteConfigPage(transport, pageOf(image, p), static_cast<std::uint16_t>(p));
        },
        QStringLiteral("Eeprom write success"), &transport);
}

bool ReadEeprom(ConfigImage& image, HidTransport& transport, Reporter& reporter)
{
    return transferPages(reporter, kPageCount, kPagesRead, [&](int p) {
        const PageBuffer page(image.data() + p * kPageSize, kPageSize);
        return ReadConfigPage(transport, page, static_cast<std::uint16_t>(p));
    });
}

EepromFetch FetchEeprom(ConfigImage& received, HidTransport& transport, Reporter& reporter,
                        SessionWords words)
{
    received.fill(0);
    const auto closer = closeOnExit(transport);
    if (!OpenDevice(transport, reporter) || !firmwareMatches(transport, reporter, words))
        return EepromFetch::NotRead;
    return ReadEeprom(received, transport, reporter) ? EepromFetch::Complete : EepromFetch::Broken;
}

void TakePctimeForWrite(Settings& settings)
{
    if (settings.checked(Setting::Uploadpctime))
        settings.readPctime();
}

bool PrepareConfigWrite(Settings& settings, ConfigImage& outgoing, Reporter& reporter)
{
    TakePctimeForWrite(settings);
    return PackConfigImage(settings, outgoing, reporter);
}

bool WriteConfigImage(const ConfigImage& outgoing, HidTransport& transport, Reporter& reporter)
{
    const auto closer = closeOnExit(transport);
    if (!OpenDevice(transport, reporter))
        return false;
    if (!firmwareMatches(transport, reporter, SessionWords::Write))
        return false;
    return WriteEeprom(outgoing, transport, reporter);
}

bool WriteConfigSession(Settings& settings, ConfigImage& outgoing, HidTransport& transport,
                        Reporter& reporter)
{
    return PrepareConfigWrite(settings, outgoing, reporter) &&
           WriteConfigImage(outgoing, transport, reporter);
}

bool ReadConfigSession(Settings& settings, ConfigImage& received, HidTransport& transport,
                       Reporter& reporter, EepromFetch* fetched)
{
    // A page that cannot be read leaves zeros; the check below decides
    // whether what came is usable.
    const EepromFetch fetch = FetchEeprom(received, transport, reporter, SessionWords::Read);
    if (fetched)
        *fetched = fetch;
    if (fetch == EepromFetch::NotRead)
        return false;
    if (!CheckEepromImage(received)) {
        reporter.log(kEepromChecksumError);
        return false;
    }
    const bool unpacked = UnpackConfigImage(received, settings, reporter);
    reporter.log(unpacked ? QStringLiteral("Eeprom read success.")
                          : QStringLiteral("Eeprom read error. Please reload configuration."));

    const auto closer = closeOnExit(transport);
    if (OpenDevice(transport, reporter))
        (void)ShowFirmwareVersion(transport, reporter);
    return unpacked;
}

} // namespace orvik
