#include "cli/commands.h"
#include "cli/context.h"
#include "settings/config_image.h"
#include "settings/settings.h"

#include <QSaveFile>

namespace orvik::cli {

int runPack(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ConfigImage image;
    bool packed = false;
    // As "Write config" does before it opens the device.
    const bool ran = runOperation(ctx.reporter, [&] {
        if (settings->checked(QStringLiteral("Uploadpctime")))
            settings->readPctime();
        packed = PackConfigImage(*settings, image, ctx.reporter);
    });
    if (!ran || !packed)
        return 1;
    if (ctx.output.isEmpty())
        return 0;

    QSaveFile file(ctx.output);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.data()), kImageSize) != kImageSize ||
        !file.commit()) {
        ctx.err << "orvikctl: cannot write " << ctx.output << ": " << file.errorString()
                << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace orvik::cli
