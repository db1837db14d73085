#include "app/appliance_work.h"

#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/write_guard.h"
#include "frontend/read_config.h"

#include <QScopeGuard>

namespace orvik {

ApplianceWork::ApplianceWork(const ApplianceChoice& choice, std::optional<Written> written)
    : choice_(choice), written_(written)
{}

SessionEnd ApplianceWork::run(ReportRelay& relay)
{
    // The guard blocks the signals on this thread, the one that exchanges.
    std::optional<WriteGuard> guard;
    if (written_)
        guard.emplace(choice_.interrupts, "orvik-configurator", *written_);
    SessionEnd end = runDeviceSession(
        choice_.device, choice_.path, relay,
        [&](HidTransport& appliance) { return session(appliance, relay); },
        guard ? &*guard : nullptr);
    tell(relay, end.released);
    if (guard)
        end.signal = guard->end();
    return end;
}

ReadConfigWork::ReadConfigWork(const ApplianceChoice& choice, Settings& settings)
    : ApplianceWork(choice, std::nullopt), settings_(settings)
{}

Result<> ReadConfigWork::session(HidTransport& appliance, ReportRelay& relay)
{
    const auto unpack = [this, &relay](const ConfigImage& image) {
        return relay.onTargetThread([&] { return UnpackConfigImage(image, settings_); });
    };
    return toldOutcome(ReadConfigSession(unpack, received_, appliance, relay));
}

WriteConfigWork::WriteConfigWork(const ApplianceChoice& choice, Settings& settings)
    : ApplianceWork(choice, Written::Configuration),
      prepared_(PrepareConfigWrite(settings, outgoing_))
{}

Result<> WriteConfigWork::session(HidTransport& appliance, ReportRelay& relay)
{
    return prepared_.ok() ? WriteConfigImage(outgoing_, appliance, relay) : prepared_;
}

UploadFirmwareWork::UploadFirmwareWork(const ApplianceChoice& choice,
                                       std::unique_ptr<FirmwareSource> file,
                                       const FirmwareSource& carried,
                                       std::function<void(bool)> setButtonsEnabled)
    : ApplianceWork(choice, Written::Firmware), file_(std::move(file)),
      source_(file_ ? *file_ : carried), setButtonsEnabled_(std::move(setButtonsEnabled))
{}

Result<> UploadFirmwareWork::session(HidTransport& appliance, ReportRelay& relay)
{
    const auto closer = closeOnExit(appliance);
    if (Result<> opened = OpenDevice(appliance, relay); !opened.ok())
        return opened;
    relay.onTargetThread([this] { setButtonsEnabled_(false); });
    const auto enable =
        qScopeGuard([&] { relay.onTargetThread([this] { setButtonsEnabled_(true); }); });
    return UploadFirmware(appliance, source_, relay);
}

} // namespace orvik
