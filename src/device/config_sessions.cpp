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

// Succeeds when the open appliance runs the firmware this configurator was
// made for; otherwise fails saying why the session stops.
Result<> firmwareMatches(HidTransport& transport, SessionWords words)
{
    const char* const mismatchFormat = words == SessionWords::Read ? kReadMismatch : kWriteMismatch;
    const Result<std::uint32_t> version = QueryFirmwareVersion(transport);
    if (!version.ok())
        return logLine(kFirmwareVersionReadError);
    if (*version == kConfiguratorFirmwareVersion)
        return {};
    return refusal(
        QString::asprintf(mismatchFormat, *version * 0.01, kConfiguratorFirmwareVersion * 0.01));
}

PageData pageOf(const ConfigImage& image, int p)
{
    return PageData(image.data() + p * kPageSize, kPageSize);
}

} // namespace

Result<> WriteEeprom(const ConfigImage& image, HidTransport& transport, Reporter& reporter)
{
    return transferPages(
        reporter, kPageCount, kPagesWritten,
        [&](int p) {
            return WriteConfigPage(transport, pageOf(image, p), static_cast<std::uint16_t>(p));
        },
        QStringLiteral("Eeprom write success"), &transport);
}

Result<> ReadEeprom(ConfigImage& image, HidTransport& transport, Reporter& reporter)
{
    return transferPages(reporter, kPageCount, kPagesRead, [&](int p) {
        const PageBuffer page(image.data() + p * kPageSize, kPageSize);
        return ReadConfigPage(transport, page, static_cast<std::uint16_t>(p));
    });
}

Result<EepromFetch> FetchEeprom(ConfigImage& received, HidTransport& transport, Reporter& reporter,
                                SessionWords words)
{
    received.fill(0);
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, reporter); !opened.ok())
        return opened.error();
    if (Result<> matches = firmwareMatches(transport, words); !matches.ok())
        return matches.error();
    // The session goes on after a broken read, so its line comes now.
    return tell(reporter, ReadEeprom(received, transport, reporter)) ? EepromFetch::Complete
                                                                     : EepromFetch::Broken;
}

void TakePctimeForWrite(Settings& settings)
{
    if (settings.checked(Setting::Uploadpctime))
        settings.readPctime();
}

Result<> PrepareConfigWrite(Settings& settings, ConfigImage& outgoing)
{
    TakePctimeForWrite(settings);
    return PackConfigImage(settings, outgoing);
}

Result<> WriteConfigImage(const ConfigImage& outgoing, HidTransport& transport, Reporter& reporter)
{
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, reporter); !opened.ok())
        return opened;
    if (Result<> matches = firmwareMatches(transport, SessionWords::Write); !matches.ok())
        return matches;
    return WriteEeprom(outgoing, transport, reporter);
}

Result<> WriteConfigSession(Settings& settings, ConfigImage& outgoing, HidTransport& transport,
                            Reporter& reporter)
{
    if (Result<> prepared = PrepareConfigWrite(settings, outgoing); !prepared.ok())
        return prepared;
    return WriteConfigImage(outgoing, transport, reporter);
}

Result<> ReadConfigSession(Settings& settings, ConfigImage& received, HidTransport& transport,
                           Reporter& reporter, EepromFetch* fetched)
{
    // A page that cannot be read leaves zeros; the check below decides
    // whether what came is usable.
    const Result<EepromFetch> fetch =
        FetchEeprom(received, transport, reporter, SessionWords::Read);
    if (fetched)
        *fetched = fetch.ok() ? *fetch : EepromFetch::NotRead;
    if (!fetch.ok())
        return fetch.error();
    if (!CheckEepromImage(received))
        return logLine(kEepromChecksumError);
    // A refused image does not end the session, which goes on to show the
    // firmware version: the user reads the refusal first.
    const Result<> unpacked = UnpackConfigImage(received, settings);
    const bool read = tell(reporter, unpacked);
    reporter.log(read ? QStringLiteral("Eeprom read success.")
                      : QStringLiteral("Eeprom read error. Please reload configuration."));

    const auto closer = closeOnExit(transport);
    if (tell(reporter, OpenDevice(transport, reporter)))
        static_cast<void>(ShowFirmwareVersion(transport, reporter));
    if (!read)
        return alreadyTold(unpacked.errorText());
    return {};
}

} // namespace orvik
