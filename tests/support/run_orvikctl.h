#pragma once

#include "cli/commands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace orvik::test {

// One run of orvikctl inside the test process, its streams captured.
struct CliRun {
    int status;
    QString out;
    QString err;
};

// `usb` stands in for the appliance on USB.
inline CliRun runCli(const QStringList& args, HidTransportFactory usb = {})
{
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = cli::runOrvikctl(args, out, err, std::move(usb));
    out.flush();
    err.flush();
    return r;
}

} // namespace orvik::test
