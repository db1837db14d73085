#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "cli/options.h"
#include "device/firmware_upload.h"

namespace orvik::cli {

namespace {

int runUploadFirmware(Context& ctx)
{
    CarriedFirmware carried;
    std::optional<FirmwareBytes> file;
    if (const QString path = ctx.value(kImageOption); !path.isEmpty()) {
        // Checked before the appliance is opened, as the window checks its file.
        Result<QByteArray> image = ReadFirmwareFile(path);
        if (!tell(ctx.reporter, image))
            return 1;
        file.emplace(*std::move(image));
    }
    const FirmwareSource& source = file ? static_cast<const FirmwareSource&>(*file) : carried;
    return runWriteOnDevice(ctx, Written::Firmware, [&](HidTransport& transport) {
        return UploadFirmwareSession(transport, source, ctx.reporter);
    });
}

} // namespace

const CommandDef kUploadFirmwareCommand{
    .name = "upload-firmware",
    .arguments = "",
    .options = withDeviceOptions({kImageOption}),
    .summary =
        QT_TRANSLATE_NOOP("orvikctl", "\"Upload firmware\": send new firmware to the appliance"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Run \"Upload firmware\" with the firmware image this program carries, or the\n"
                    "--image FILE."),
    .run = runUploadFirmware,
    .writesAppliance = true};

} // namespace orvik::cli
