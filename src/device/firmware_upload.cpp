#include "device/firmware_upload.h"

#include "device/carried_firmware.h"
#include "device/device_link.h"
#include "device/page_loop.h"
#include "device/progress.h"
#include "device/protocol.h"
#include "files/capped_read.h"

#include <QCoreApplication>
#include <vector>

namespace orvik {

namespace {

QString tooLong()
{
    return QCoreApplication::translate("Appliance", "Firmware file too long.");
}

} // namespace

bool CarriedFirmware::find(int id) const
{
    return id == kFirmwareResourceId && carriedFirmwareImage().has_value();
}

std::optional<QByteArray> CarriedFirmware::load(int id) const
{
    if (!find(id))
        return std::nullopt;
    const auto image = *carriedFirmwareImage();
    // The image lives as long as the program; no copy is needed.
    return QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()),
                                   static_cast<qsizetype>(image.size()));
}

Result<QByteArray> ReadFirmwareFile(const QString& path)
{
    Result<QByteArray> file = readRegularFile(path, kUploadBufferSize);
    if (!file.ok() && file.error().cause() == Cause::TooLarge)
        return OperationError(Cause::FirmwareRefused, tooLong());
    if (!file.ok())
        return OperationError(Cause::FirmwareRefused,
                              QCoreApplication::translate("Appliance", "Cannot open %1: %2.")
                                  .arg(path, file.errorText()));
    if (file->isEmpty())
        return OperationError(Cause::FirmwareRefused,
                              QCoreApplication::translate("Appliance", "Firmware file is empty."));
    return file;
}

std::optional<QByteArray> FirmwareBytes::load(int id) const
{
    if (!find(id))
        return std::nullopt;
    return bytes_;
}

Result<> UploadFirmware(HidTransport& transport, const FirmwareSource& source, Progress& progress)
{
    if (!source.find(kFirmwareResourceId))
        return OperationError(Cause::FirmwareRefused,
                              QCoreApplication::translate(
                                  "Appliance", "Firmware resource not found (FindResource)."));
    const std::optional<QByteArray> image = source.load(kFirmwareResourceId);
    if (!image)
        return OperationError(Cause::FirmwareRefused,
                              QCoreApplication::translate(
                                  "Appliance", "Firmware resource not found (LoadResource)."));
    if (image->size() > kUploadBufferSize)
        return OperationError(Cause::FirmwareRefused, tooLong());

    const int pageCount = static_cast<int>((image->size() + kPageSize - 1) / kPageSize);
    // A fresh buffer for every upload, so the last page is always padded with
    // zeros, whatever an earlier upload left.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(pageCount) * kPageSize);
    std::copy(image->begin(), image->end(), buffer.begin());

    const PageRun run{
        kPagesWritten, QCoreApplication::translate("Appliance", "Firmware upgrade success"),
        QCoreApplication::translate("Appliance",
                                    "The appliance now holds part of the new firmware: plug "
                                    "it in again and upload the firmware again."),
        QCoreApplication::translate("Appliance",
                                    "Nothing on the appliance was changed: plug it in again "
                                    "and upload the firmware again."),
        true};
    return transferPages(progress, transport, pageCount, run, [&](int p) {
        const PageData page(buffer.data() + p * kPageSize, kPageSize);
        return WriteFirmwarePage(transport, page, static_cast<std::uint16_t>(p));
    });
}

Result<> UploadFirmwareSession(HidTransport& transport, const FirmwareSource& source,
                               Progress& progress)
{
    const auto closer = closeOnExit(transport);
    if (Result<> opened = OpenDevice(transport, progress); !opened.ok())
        return opened;
    return UploadFirmware(transport, source, progress);
}

} // namespace orvik
