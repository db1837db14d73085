#include "frontend/read_config.h"

#include "device/device_link.h"
#include "device/protocol.h"
#include "frontend/reporter.h"

#include <QCoreApplication>

namespace orvik {

namespace {

QString versionNotice(std::uint32_t version)
{
    return QCoreApplication::translate("Appliance", "Firmware version: %1")
        .arg(versionText(version));
}

} // namespace

Result<> ShowFirmwareVersion(HidTransport& transport, Reporter& reporter)
{
    const Result<std::uint32_t> version = QueryFirmwareVersion(transport);
    if (!version.ok())
        return versionUnreadError(transport);
    reporter.notice(versionNotice(*version));
    return {};
}

bool ReadConfigSession(Settings& settings, ConfigImage& received, HidTransport& transport,
                       Reporter& reporter, EepromFetch* fetched)
{
    return ReadConfigSession(
        [&settings](const ConfigImage& image) { return UnpackConfigImage(image, settings); },
        received, transport, reporter, fetched);
}

bool ReadConfigSession(const UnpackImage& unpack, ConfigImage& received, HidTransport& transport,
                       Reporter& reporter, EepromFetch* fetched)
{
    // A page that cannot be read leaves zeros; the check below decides
    // whether what came is usable.
    const Result<EepromFetch> fetch =
        FetchEeprom(received, transport, reporter, SessionWords::Read);
    if (fetched)
        *fetched = fetch.ok() ? *fetch : EepromFetch::NotRead;
    if (!tell(reporter, fetch))
        return false;
    if (!CheckEepromImage(received)) {
        reporter.log(eepromChecksumError());
        return false;
    }
    // A refused image does not end the session, which goes on to show the
    // firmware version: the user reads the refusal first.
    const bool read = tell(reporter, unpack(received));
    reporter.log(read ? QCoreApplication::translate("Appliance", "Eeprom read success.")
                      : QCoreApplication::translate(
                            "Appliance", "Eeprom read error. Please reload configuration."));

    const auto closer = closeOnExit(transport);
    if (tell(reporter, OpenDevice(transport, reporter))) {
        // The notice only adds to what was read: without a version it is left out.
        if (const Result<std::uint32_t> version = QueryFirmwareVersion(transport); version.ok())
            reporter.notice(versionNotice(*version));
    }
    return read;
}

} // namespace orvik
