#pragma once

#include "support/process_wait.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvik::test {

// A size this process holds now, in bytes, from the line of /proc/self/status
// that starts with `field` ("VmSize:", "VmRSS:", ...); -1 when it cannot be
// read.
inline std::int64_t statusBytes(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

// What the pipe or file `fd` gives until its end; closes it.
inline QByteArray readToEnd(int fd)
{
    QByteArray said;
    char buffer[256];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(fd);
    return said;
}

// Runs `step` in a child process, so that what it does to the process stays
// there, and returns the text `step` returned, or a note of how the child
// ended otherwise. A fork, which shares this process's files: only where no
// other thread holds a lock, nor a window system connection (see runInCopy).
inline QString inChild(const std::function<QString()>& step)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(kProcessWaitMs / 1000); // ends a child that hangs
        ::close(fds[0]);
        const QByteArray said = step().toUtf8();
        const char* p = said.constData();
        for (qsizetype left = said.size(); left > 0;) {
            const ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n;
            left -= n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    const QByteArray said = readToEnd(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child ended with status %1>").arg(status);
    return QString::fromUtf8(said);
}

// How a copy ended: its exit status (-1 when it did not exit in time), what
// its step returned, its standard error.
struct CopyEnd {
    int status = -1;
    QByteArray said;
    QByteArray err;
};

// Runs `step` in a fresh copy of this program, started with `arguments` that
// select what runs now (the test, the benchmark): the copy runs it up to its
// first runInCopy, which runs `step` there. Not a fork, whose child would hang
// in the X library on a program's window system connection. The copy's
// temporary files go with it; one that has not ended in time is killed.
inline CopyEnd runInCopy(const QStringList& arguments, const std::function<QString()>& step)
{
    if (const QString path = qEnvironmentVariable("ORVIK_COPY_STEP"); !path.isEmpty()) {
        QFile said(path);
        const bool kept = said.open(QIODevice::WriteOnly) && said.write(step().toUtf8()) >= 0;
        ::_exit(kept && said.flush() ? 0 : 1);
    }
    const QTemporaryDir temp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVIK_COPY_STEP"), temp.filePath(QStringLiteral("said")));
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setStandardOutputFile(QProcess::nullDevice());
    copy.start(QStringLiteral("/proc/self/exe"), arguments);
    CopyEnd end;
    if (copy.waitForFinished(kProcessWaitMs) && copy.exitStatus() == QProcess::NormalExit)
        end.status = copy.exitCode();
    copy.kill();
    copy.waitForFinished();
    end.err = copy.readAllStandardError();
    if (QFile said(temp.filePath(QStringLiteral("said"))); said.open(QIODevice::ReadOnly))
        end.said = said.readAll();
    return end;
}

// inChild in a copy (runInCopy).
inline QString inCopy(const QStringList& arguments, const std::function<QString()>& step)
{
    const CopyEnd end = runInCopy(arguments, step);
    return end.status == 0 ? QString::fromUtf8(end.said)
                           : QStringLiteral("<child ended with status %1>").arg(end.status);
}

// Runs `step` in a child process held to `limit` of `resource`, as inChild.
// With RLIMIT_FSIZE, files cannot grow past `limit` bytes, as on a full disk:
// writes beyond it fail with EFBIG ("File too large") instead of killing the
// child. With RLIMIT_AS, allocations fail as when memory runs out.
inline QString withResourceLimit(int resource, rlim_t limit, const std::function<QString()>& step)
{
    return inChild([&] {
        const rlimit low{limit, limit};
        std::signal(SIGXFSZ, SIG_IGN);
        return ::setrlimit(resource, &low) == 0 ? step() : QStringLiteral("<no limit>");
    });
}

// How a child ends that the system gives no user namespace.
inline constexpr int kNoNamespace = 125;

// In a child between fork and exec: a user namespace of its own, where the
// limit `file` of /proc/sys/user (each namespace holds its own, and counts
// toward its parent's) is set to `value`; the system's stays as it is.
inline void limitInNamespace(const QByteArray& file, const QByteArray& value)
{
    if (::unshare(CLONE_NEWUSER) != 0)
        ::_exit(kNoNamespace);
    const int fd = ::open(file.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0 || ::write(fd, value.constData(), value.size()) != value.size())
        ::_exit(kNoNamespace);
    ::close(fd);
}

} // namespace orvik::test
