#include "cli/image_file.h"

#include "cli/command_files.h"
#include "cli/context.h"
#include "device/config_sessions.h"
#include "files/file_access.h"

#include <algorithm>

namespace orvik::cli {

std::optional<QByteArray> readImageBytes(Context& ctx, const QString& path)
{
    Result<QByteArray> file = readRegularFile(path, kLargestInput);
    if (!file.ok()) {
        ctx.err << "orvikctl: cannot read " << path << ": " << file.errorText() << Qt::endl;
        return std::nullopt;
    }
    return *std::move(file);
}

std::optional<ConfigImage> asImage(const QByteArray& bytes)
{
    if (bytes.size() != kImageSize)
        return std::nullopt;
    ConfigImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

std::optional<ConfigImage> loadImageFile(Context& ctx, const QString& path)
{
    const std::optional<QByteArray> bytes = readImageBytes(ctx, path);
    if (!bytes)
        return std::nullopt;
    const std::optional<ConfigImage> image = asImage(*bytes);
    if (!image) {
        ctx.err << "orvikctl: " << path << " is not a configuration image (it must be exactly "
                << kImageSize << " bytes)" << Qt::endl;
        return std::nullopt;
    }
    if (!CheckEepromImage(*image)) {
        ctx.reporter.log(kEepromChecksumError);
        return std::nullopt;
    }
    return image;
}

bool writeImageFile(Context& ctx, const QString& path, const ConfigImage& image)
{
    const Result<> written = writeFileAtomically(
        path, QByteArrayView(reinterpret_cast<const char*>(image.data()), kImageSize));
    if (written.ok())
        return true;
    ctx.err << "orvikctl: cannot write " << path << ": " << written.errorText() << Qt::endl;
    return false;
}

} // namespace orvik::cli
