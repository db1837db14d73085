#include "cli/commands.h"
#include "cli/context.h"
#include "settings/config_image.h"
#include "settings/settings.h"

#include <QFile>
#include <algorithm>

namespace orvik::cli {

int runUnpack(Context& ctx)
{
    if (ctx.positional.size() != 1) {
        ctx.err << "orvikctl: unpack needs one image file (see orvikctl --help)" << Qt::endl;
        return 2;
    }
    const QString& path = ctx.positional.first();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ctx.err << "orvikctl: cannot read " << path << ": " << file.errorString() << Qt::endl;
        return 1;
    }
    // One byte more than an image, so that a longer file shows as such.
    const QByteArray bytes = file.read(kImageSize + 1);
    if (bytes.size() != kImageSize) {
        ctx.err << "orvikctl: " << path << " is not a configuration image (it must be exactly "
                << kImageSize << " bytes)" << Qt::endl;
        return 1;
    }
    ConfigImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    if (!CheckEepromImage(image)) {
        ctx.reporter.log(QStringLiteral("Eeprom checksum error. Please reload configuration."));
        return 1;
    }

    const auto settings = ctx.freshSettings();
    if (!ctx.applySets(*settings) || !UnpackConfigImage(image, *settings, ctx.reporter))
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

} // namespace orvik::cli
