#include "device/config_sessions.h"

#include "device/device_link.h"
#include "device/page_loop.h"
#include "device/protocol.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace orvik {

namespace {

// "%1" stands for the appliance's firmware version, "%2" for the configurator's.
const char* const kWriteMismatch = QT_TRANSLATE_NOOP(
    "Appliance", "Uncompatible firmware version:\nDevice: %1\nConfigurator: %2\n\n"
                 "You need to upload new firmware using \"Upload firmware\" button.");
const char* const kReadMismatch = QT_TRANSLATE_NOOP(
    "Appliance",
    "Uncompatible firmware version:\nDevice: %1\nConfigurator: %2\n\n"
    "You need use the same Configurator and firmware version to read device configuration "
    "or you can write new configuration using \"Write config\" button.");

// What an unplug before the first page leaves: nothing, and what to do.
QString untouchedLine(SessionWords words)
{
    if (words == SessionWords::Read)
        return QCoreApplication::translate("Appliance", "Nothing on the appliance was changed.");
    return QCoreApplication::translate("Appliance",
                                       "Nothing on the appliance was changed: plug it in again "
                                       "and write the configuration again.");
}

// Succeeds when the open appliance runs the firmware this configurator was
// made for; otherwise fails saying why the session stops, unplugged as a page
// is.
Result<> firmwareMatches(HidTransport& transport, SessionWords words)
{
    const char* const mismatchFormat = words == SessionWords::Read ? kReadMismatch : kWriteMismatch;
    const Result<std::uint32_t> version = QueryFirmwareVersion(transport);
    if (!version.ok()) {
        const OperationError unread = versionUnreadError(transport);
        if (unread.cause() == Cause::Disconnected)
            return {OperationError(Cause::Disconnected, untouchedLine(words)), {unread}};
        return unread;
    }
    if (*version == kConfiguratorFirmwareVersion)
        return {};
    return OperationError(
        Cause::VersionMismatch,
        QCoreApplication::translate("Appliance", mismatchFormat)
            .arg(versionText(*version), versionText(kConfiguratorFirmwareVersion)));
}

PageData pageOf(const ConfigImage& image, int p)
{
    return PageData(image.data() + p * kPageSize, kPageSize);
}

} // namespace

QString eepromChecksumError()
{
    return QCoreApplication::translate("Appliance",
                                       "Eeprom checksum error. Please reload configuration.");
}

// What a write cut short by the cable leaves, and what to do.
QString writeUnpluggedLine(const QString& backup)
{
    if (backup.isEmpty())
        return QCoreApplication::translate(
            "Appliance", "The appliance now holds part of the new configuration: plug it in "
                         "again and write the configuration again.");
    return QCoreApplication::translate(
               "Appliance", "The appliance now holds part of the new configuration: plug it in "
                            "again and write the configuration again (the configuration it held "
                            "before is in %1).")
        .arg(backup);
}

Result<> WriteEeprom(const ConfigImage& image, HidTransport& transport, Progress& progress,
                     const QString& backup)
{
    const PageRun run{kPagesWritten,
                      QCoreApplication::translate("Appliance", "Eeprom write success"),
                      writeUnpluggedLine(backup), untouchedLine(SessionWords::Write), true};
    return transferPages(progress, transport, kPageCount, run, [&](int p) {
        return WriteConfigPage(transport, pageOf(image, p), static_cast<std::uint16_t>(p));
    });
}

Result<> ReadEeprom(ConfigImage& image, HidTransport& transport, Progress& progress)
{
    const PageRun run{
        kPagesRead, {}, untouchedLine(SessionWords::Read), untouchedLine(SessionWords::Read)};
    return transferPages(progress, transport, kPageCount, run, [&](int p) {
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
        return {matches.error(), matches.notes()};
    // The session goes on after a broken read: its line is a note. Unplugged
    // (the page loop asked already), there is nothing more to learn from it.
    if (Result<> read = ReadEeprom(received, transport, progress); !read.ok()) {
        if (read.error().cause() == Cause::Disconnected)
            return {read.error(), read.notes()};
        return Result<EepromFetch>(EepromFetch::Broken, {read.error()});
    }
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

Result<> WriteConfigImage(const ConfigImage& outgoing, HidTransport& transport, Progress& progress,
                          const QString& backup)
{
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, progress); !opened.ok())
        return opened;
    if (Result<> matches = firmwareMatches(transport, SessionWords::Write); !matches.ok())
        return matches;
    return WriteEeprom(outgoing, transport, progress, backup);
}

Result<> WriteConfigSession(Settings& settings, ConfigImage& outgoing, HidTransport& transport,
                            Progress& progress)
{
    if (Result<> prepared = PrepareConfigWrite(settings, outgoing); !prepared.ok())
        return prepared;
    return WriteConfigImage(outgoing, transport, progress);
}

} // namespace orvik
