#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "device/firmware_upload.h"

#include <QFile>
#include <QFileInfo>

namespace orvik::cli {

namespace {

// --image FILE in place of the carried image: a missing file is a missing
// resource, an unreadable one a resource that cannot be loaded.
class FileFirmware : public FirmwareSource {
public:
    explicit FileFirmware(QString path) : path_(std::move(path)) {}
    bool find(int id) override { return id == kFirmwareResourceId && QFileInfo(path_).isFile(); }
    std::optional<QByteArray> load(int id) override
    {
        QFile file(path_);
        if (!find(id) || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        // One byte more than fits, so that a longer file is refused as such.
        QByteArray bytes = file.read(kUploadBufferSize + 1);
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return bytes;
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
    return runOnDevice(ctx, [&](HidTransport& transport) {
        return UploadFirmwareSession(transport, source, ctx.reporter, [](bool) {});
    });
}

} // namespace orvik::cli
