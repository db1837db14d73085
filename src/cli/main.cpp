#include "cli/commands.h"
#include "device/hidapi_transport.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return orvik::cli::runOrvikctl(args, out, err,
                                   [] { return std::make_unique<orvik::HidapiTransport>(); });
}
