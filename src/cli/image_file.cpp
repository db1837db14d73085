#include "cli/image_file.h"

#include "cli/context.h"
#include "device/config_sessions.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace orvik::cli {

std::optional<QByteArray> readImageBytes(Context& ctx, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ctx.err << "orvikctl: cannot read " << path << ": " << file.errorString() << Qt::endl;
        return std::nullopt;
    }
    return file.read(kImageSize + 1);
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
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(image.data()), kImageSize) == kImageSize &&
        file.commit())
        return true;
    ctx.err << "orvikctl: cannot write " << path << ": " << file.errorString() << Qt::endl;
    return false;
}

} // namespace orvik::cli
