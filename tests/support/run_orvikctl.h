#pragma once

#include "cli/commands.h"
#include "support/process_wait.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QThread>

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
// orvikctl itself, its locale said by `environment` alone ("LANG=...",
// "LANGUAGE=..."), whatever the test's own.
inline CliRun runCliWith(const QStringList& environment, const QStringList& args)
{
    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "LANG"})
        system.remove(QString::fromLatin1(variable));
    for (const QString& assignment : environment)
        system.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(system);
    process.start(QStringLiteral(ORVIKCTL_PROGRAM), args);
    process.waitForFinished(kProcessWaitMs);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// orvikctl as a user of `locale` runs it; no locale: inside the test process.
inline CliRun runCliIn(const QString& locale, const QStringList& args)
{
    return locale.isEmpty() ? runCli(args) : runCliWith({"LANG=" + locale}, args);
}

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
    } while (process.waitForReadyRead(kProcessWaitMs));
    return false;
}

// Waits until the process has a handler of its own for `signal`, which is
// then the program's to take; false when it ended first.
inline bool awaitCaught(pid_t pid, int signal)
{
    for (QFile status(QStringLiteral("/proc/%1/status").arg(pid)); status.open(QFile::ReadOnly);
         status.close(), QThread::msleep(5)) {
        const QByteArray text = status.readAll();
        const qsizetype at = text.indexOf("SigCgt:\t");
        if (at >= 0 && (text.mid(at + 8, 16).toULongLong(nullptr, 16) >> (signal - 1)) & 1)
            return true;
    }
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
