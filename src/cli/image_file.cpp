#include "cli/image_file.h"

#include "cli/command_files.h"
#include "device/config_sessions.h"
#include "files/atomic_write.h"
#include "files/capped_read.h"

#include <QCoreApplication>
#include <algorithm>

namespace orvik::cli {

namespace {

OperationError cannotRead(const QString& path, const OperationError& why)
{
    return OperationError(
        Cause::ProgramFile,
        QCoreApplication::translate("orvikctl", "cannot read %1: %2").arg(path, why.text()));
}

} // namespace

Result<QByteArray> readImageBytes(const QString& path)
{
    Result<QByteArray> file = readRegularFile(path, kLargestInput);
    if (!file.ok())
        return cannotRead(path, file.error());
    return file;
}

Result<std::optional<ConfigImage>> readIfImage(const QString& path)
{
    const Result<QByteArray> file = readRegularFile(path, kImageSize);
    if (!file.ok() && file.error().cause() == Cause::TooLarge)
        return std::optional<ConfigImage>();
    if (!file.ok())
        return cannotRead(path, file.error());
    return asImage(*file);
}

std::optional<ConfigImage> asImage(const QByteArray& bytes)
{
    if (bytes.size() != kImageSize)
        return std::nullopt;
    ConfigImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

Result<ConfigImage> loadImageFile(const QString& path)
{
    const Result<QByteArray> bytes = readImageBytes(path);
    if (!bytes.ok())
        return bytes.error();
    const std::optional<ConfigImage> image = asImage(*bytes);
    if (!image) {
        return OperationError(
            Cause::ProgramFile,
            QCoreApplication::translate(
                "orvikctl", "%1 is not a configuration image (it must be exactly %2 bytes)")
                .arg(path, QString::number(kImageSize)));
    }
    if (!CheckEepromImage(*image))
        return OperationError(Cause::BadChecksum, eepromChecksumError());
    return *image;
}

Result<> writeImageFile(const QString& path, const ConfigImage& image)
{
    const Result<> written = writeFileAtomically(
        path, QByteArrayView(reinterpret_cast<const char*>(image.data()), kImageSize));
    if (!written.ok())
        return OperationError(Cause::ProgramFile,
                              QCoreApplication::translate("orvikctl", "cannot write %1: %2")
                                  .arg(path, written.errorText()));
    return {};
}

} // namespace orvik::cli
