#include "cli/commands.h"
#include "device/hidapi_transport.h"
#include "device/udev_presence.h"
#include "files/native_names.h"
#include "language/language.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const orvik::Translation translation(orvik::userLanguage());
    QTextStream out(stdout);
    QTextStream err(stderr);
    // A usage error: the name Qt would give is another file's.
    if (const QString bad = orvik::unusableArgument(argc, argv); !bad.isEmpty()) {
        err << "orvikctl: " << orvik::unusableArgumentMessage(bad) << Qt::endl;
        return 2;
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return orvik::cli::runOrvikctl(
        args, out, err, [] { return std::make_unique<orvik::HidapiTransport>(); },
        [] { return std::make_unique<orvik::UdevPresence>(); });
}
