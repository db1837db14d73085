#include "app/pictures.h"

#include <QFile>

// The pictures are compiled into orvik_app, a static library; the linker keeps
// their registration only when something calls it by name, and it must be
// named from the global namespace.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(orvik);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace orvik {

QByteArray splashJpeg()
{
    registerPictures();
    QFile file(QStringLiteral(":/orvik/splash.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QIcon programIcon()
{
    registerPictures();
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/orvik/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace orvik
