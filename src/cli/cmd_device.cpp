#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "cli/image_file.h"
#include "cli/options.h"
#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/write_guard.h"
#include "frontend/read_config.h"
#include "frontend/reporter.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace orvik::cli {

namespace {

const OptionDef kBackupOption{
    {QStringLiteral("backup"),
     QT_TRANSLATE_NOOP("orvikctl", "Keep the appliance's image in FILE before it is overwritten."),
     QStringLiteral("FILE")}};

// Given --backup, reads the appliance's configuration image as "Read config"
// does and keeps it in the --backup file, so that the user can go back after
// the write. Fails, after the reasons, when there is nothing sound to keep or
// it cannot be kept; the write must not go ahead then.
Result<> backUp(Context& ctx, HidTransport& transport)
{
    if (ctx.value(kBackupOption).isEmpty())
        return {};
    ConfigImage current{};
    const Result<EepromFetch> fetched =
        FetchEeprom(current, transport, ctx.reporter, SessionWords::Write);
    std::vector<OperationError> why = fetched.notes();
    if (!fetched.ok()) {
        why.push_back(fetched.error());
    } else if (*fetched == EepromFetch::Complete) {
        if (CheckEepromImage(current)) {
            const Result<> kept = writeImageFile(ctx.value(kBackupOption), current);
            if (kept.ok())
                return kept;
            why.push_back(kept.error());
        } else {
            // An erased appliance (all 0xFF) lands here too: there is no
            // configuration to go back to.
            why.push_back(OperationError(Cause::BadChecksum, eepromChecksumError()));
            why.push_back(OperationError(
                Cause::ProgramFile,
                QCoreApplication::translate(
                    "orvikctl", "the appliance holds no valid configuration image (erased or "
                                "damaged), so there "
                                "is nothing to back up; write without --backup to write anyway")));
        }
    }
    return {OperationError(Cause::ProgramFile,
                           QCoreApplication::translate(
                               "orvikctl", "backup failed; nothing was written to the appliance")),
            std::move(why)};
}

int runInfo(Context& ctx)
{
    return runOnDevice(ctx, [&](HidTransport& transport) {
        const auto closer = closeOnExit(transport);
        if (Result<> opened = OpenDevice(transport, ctx.reporter); !opened.ok())
            return opened;
        return ShowFirmwareVersion(transport, ctx.reporter);
    });
}

} // namespace

const CommandDef kInfoCommand{
    .name = "info",
    .arguments = "",
    .options = withDeviceOptions({}),
    .summary = QT_TRANSLATE_NOOP("orvikctl", "show the appliance's firmware version"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Show the appliance's firmware version, as the notice after \"Read config\"\n"
                    "does."),
    .run = runInfo};

namespace {

int runRead(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    ConfigImage received{};
    EepromFetch fetched = EepromFetch::NotRead;
    const int status = runOnDevice(ctx, [&](HidTransport& transport) {
        return toldOutcome(
            ReadConfigSession(*settings, received, transport, ctx.reporter, &fetched));
    });
    if (status != 0)
        return status;
    // The check covers only the first pages: an image whose later pages are
    // missing can pass it, but is not the appliance's configuration to keep.
    if (fetched != EepromFetch::Complete) {
        report(ctx.reporter,
               OperationError(Cause::ProgramFile,
                              QCoreApplication::translate(
                                  "orvikctl", "not every page could be read; nothing was kept")));
        return 1;
    }
    const QString image = ctx.value(kImageOption);
    {
        // Both files or neither: an interrupt waits for the second.
        const SignalWatcher::Held together(ctx.interrupts);
        if (!image.isEmpty() && !tell(ctx.reporter, writeImageFile(image, received)))
            return 1;
        if (!ctx.output.isEmpty() && !tell(ctx.reporter, ctx.saveConfigFile(*settings))) {
            if (!image.isEmpty())
                report(
                    ctx.reporter,
                    OperationError(Cause::ProgramFile,
                                   QCoreApplication::translate(
                                       "orvikctl", "%1 holds the image read; %2 was left as it was")
                                       .arg(image, ctx.output)));
            return 1;
        }
    }
    // Kept in a file, the settings need not be printed as well.
    if (ctx.output.isEmpty() && image.isEmpty())
        ctx.printSettings(*settings);
    return 0;
}

} // namespace

const CommandDef kReadCommand{
    .name = "read",
    .arguments = "[CONFIG.cfg]",
    .options = withDeviceOptions(
        {kSetOption, kTimeOption, {kOutputOption, InPlace}, {kImageOption, Writes}}),
    .summary = QT_TRANSLATE_NOOP("orvikctl", "\"Read config\": read the appliance's configuration"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Run \"Read config\": read the appliance's configuration into the settings show\n"
        "would print and print them as show does; --image FILE keeps the received\n"
        "image, -o FILE the settings as a configuration file, and either prints\n"
        "nothing."),
    .run = runRead};

namespace {

// write --image FILE: the image goes to the appliance byte for byte, as it was
// kept (by --backup or read --image), so a user can go back to it.
int writeKeptImage(Context& ctx)
{
    const Result<ConfigImage> image = loadImageFile(ctx.value(kImageOption));
    if (!tell(ctx.reporter, image))
        return 1;
    // The appliance takes only images of this configuration version; the
    // unpacking shows the same box as "Read config" when it differs.
    if (!tell(ctx.reporter, UnpackConfigImage(*image, *ctx.freshSettings())))
        return 1;
    return runWriteOnDevice(ctx, Written::Configuration, [&](HidTransport& transport) {
        if (Result<> backedUp = backUp(ctx, transport); !backedUp.ok())
            return backedUp;
        return WriteConfigImage(*image, transport, ctx.reporter, ctx.value(kBackupOption));
    });
}

int runWrite(Context& ctx)
{
    if (!ctx.value(kImageOption).isEmpty())
        return writeKeptImage(ctx);
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    ConfigImage outgoing{};
    return runWriteOnDevice(ctx, Written::Configuration, [&](HidTransport& transport) {
        // Packed first: a setting that fails validation costs no backup read.
        if (Result<> prepared = PrepareConfigWrite(*settings, outgoing); !prepared.ok())
            return prepared;
        if (Result<> backedUp = backUp(ctx, transport); !backedUp.ok())
            return backedUp;
        return WriteConfigImage(outgoing, transport, ctx.reporter, ctx.value(kBackupOption));
    });
}

} // namespace

const CommandDef kWriteCommand{
    .name = "write",
    .arguments = "[CONFIG.cfg]",
    .options = withDeviceOptions(
        {kSetOption, kTimeOption, {kImageOption, ReplacesSettings}, {kBackupOption, Writes}}),
    .summary =
        QT_TRANSLATE_NOOP("orvikctl", "\"Write config\": write the settings to the appliance"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Run \"Write config\" on the settings show would print: take \"now\" into the\n"
        "clock fields while Uploadpctime is ticked, validate, pack and write them.\n"
        "--backup FILE: once the settings are packed, first read the appliance's\n"
        "configuration image as \"Read config\" does and keep it in FILE (see unpack,\n"
        "diff); when that read fails, the image fails its check or FILE cannot be\n"
        "written, nothing is written to the appliance (exit status 1). An erased\n"
        "appliance holds no image to keep: write to it without --backup.\n"
        "--image FILE writes a kept image (from --backup or read --image) back byte\n"
        "for byte instead, with no CONFIG.cfg and no --set: the way back after a write."),
    .run = runWrite,
    .writesAppliance = true};

} // namespace orvik::cli
