#pragma once

#include "cli/commands.h"

#include <QProcess>
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

#ifdef ORVIKCTL_PROGRAM
// Waits until a line of the process's standard error starts with `awaited`;
// false when it ended first.
inline bool awaitLine(QProcess& process, const QString& awaited)
{
    process.setReadChannel(QProcess::StandardError);
    do {
        while (process.canReadLine()) {
            if (QString::fromUtf8(process.readLine()).startsWith(awaited))
                return true;
        }
    } while (process.waitForReadyRead(-1));
    return false;
}

// orvikctl itself, started beside the test, which acts once its standard
// error says `awaited`: in the middle of its session.
inline bool startOrvikctl(QProcess& process, const QStringList& args, const QString& awaited)
{
    process.start(QStringLiteral(ORVIKCTL_PROGRAM), args);
    return awaitLine(process, awaited);
}
#endif

} // namespace orvik::test
