#include "device/config_sessions.h"

#include "device/device_link.h"
#include "device/page_loop.h"
#include "device/protocol.h"
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

Result<> WriteEeprom(const ConfigImage& image, HidTransport& transport, Progress& progress)
{
    return transferPages(
        progress, kPageCount, kPagesWritten,
        [&](int p) {
            return WriteConfigPage(transport, pageOf(image, p), static_cast<std::uint16_t>(p));
        },
        QStringLiteral("Eeprom write success"), &transport);
}

Result<> ReadEeprom(ConfigImage& image, HidTransport& transport, Progress& progress)
{
    return transferPages(progress, kPageCount, kPagesRead, [&](int p) {
        const PageBuffer page(image.data() + p * kPageSize, kPageSize);
        return ReadConfigPage(transport, page, static_cast<std::uint16_t>(p));
    });
}

Result<EepromFetch> FetchEeprom(ConfigImage& received, HidTransport& transport, Progress& progress,
                                SessionWords words)
{
    received.fill(0);
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, progress); !opened.ok())
        return opened.error();
    if (Result<> matches = firmwareMatches(transport, words); !matches.ok())
        return matches.error();
    // The session goes on after a broken read: its line is a note.
    if (Result<> read = ReadEeprom(received, transport, progress); !read.ok())
        return Result<EepromFetch>(EepromFetch::Broken, {read.error()});
    return EepromFetch::Complete;
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

Result<> WriteConfigImage(const ConfigImage& outgoing, HidTransport& transport, Progress& progress)
{
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, progress); !opened.ok())
        return opened;
    if (Result<> matches = firmwareMatches(transport, SessionWords::Write); !matches.ok())
        return matches;
    return WriteEeprom(outgoing, transport, progress);
}

Result<> WriteConfigSession(Settings& settings, ConfigImage& outgoing, HidTransport& transport,
                            Progress& progress)
{
    if (Result<> prepared = PrepareConfigWrite(settings, outgoing); !prepared.ok())
        return prepared;
    return WriteConfigImage(outgoing, transport, progress);
}

} // namespace orvik
