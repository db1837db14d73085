#include "cli/command_files.h"
#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "configfile/file_access.h"
#include "device/firmware_upload.h"

namespace orvik::cli {

namespace {

// --image FILE in place of the carried image; checkCommandFiles has already
// made sure that it can be read.
class FileFirmware : public FirmwareSource {
public:
    explicit FileFirmware(QString path) : path_(std::move(path)) {}
    bool find(int id) override { return id == kFirmwareResourceId; }
    std::optional<QByteArray> load(int id) override
    {
        // Whole, so that a longer file is refused as such.
        FileContent content = readRegularFile(path_, kLargestInput);
        if (!find(id) || !content.ok())
            return std::nullopt;
        return std::move(content.bytes);
    }

private:
    QString path_;
};

} // namespace

int runUploadFirmware(Context& ctx)
{
    CarriedFirmware carried;
    FileFirmware file(ctx.image);
    FirmwareSource& source = ctx.image.isEmpty() ? static_cast<FirmwareSource&>(carried) : file;
    return runWriteOnDevice(ctx, Written::Firmware, [&](HidTransport& transport) {
        return UploadFirmwareSession(transport, source, ctx.reporter, [](bool) {});
    });
}

} // namespace orvik::cli
