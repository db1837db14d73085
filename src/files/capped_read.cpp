#include "files/capped_read.h"

#include "files/descriptor.h"
#include "files/file_failures.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {

namespace {

OperationError tooLarge(qint64 maxSize)
{
    return OperationError(Cause::TooLarge, tooLargeReason(maxSize));
}

// Reads to the end, growing `bytes` past its start size only as the file has
// grown since it was looked at; false with errno when a read fails.
bool readToEnd(int fd, QByteArray& bytes, qint64 maxSize)
{
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxSize)
                break;
            bytes.resize(qMin<qint64>(2 * filled + 4096, maxSize + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += n;
    }
    bytes.truncate(filled);
    return true;
}

// Opens the regular file `name` in `folder` for reading,
// or fails when it is refused; `st` describes the file opened.
Result<Descriptor> openRegularFile(int folder, const QByteArray& name, qint64 maxSize,
                                   LastLink last, struct stat& st)
{
    const int noFollow = last == LastLink::Followed ? 0 : AT_SYMLINK_NOFOLLOW;
    // Looked at before opening, since opening a FIFO or a device can block or
    // act on the device.
    if (::fstatat(folder, name.constData(), &st, noFollow) != 0)
        return systemFailure(errno);
    if (!S_ISREG(st.st_mode))
        return notRegularError(st.st_mode);
    if (st.st_size > maxSize)
        return tooLarge(maxSize);

    Descriptor fd(::openat(folder, name.constData(),
                           O_RDONLY | O_NONBLOCK | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0)));
    if (!fd.isOpen())
        return systemFailure(errno);
    // The path may name another file by now.
    if (::fstat(fd.fd(), &st) != 0)
        return systemFailure(errno);
    if (!S_ISREG(st.st_mode))
        return notRegularError(st.st_mode);
    return fd;
}

Result<QByteArray> readOpened(const Result<Descriptor>& opened, qint64 maxSize,
                              const struct stat& st)
{
    if (!opened.ok())
        return opened.error();
    // One byte more than the file holds, so that a file that grew shows.
    QByteArray bytes(qMin<qint64>(st.st_size, maxSize) + 1, Qt::Uninitialized);
    if (!readToEnd(opened->fd(), bytes, maxSize))
        return systemFailure(errno);
    if (bytes.size() > maxSize)
        return tooLarge(maxSize);
    return bytes;
}

} // namespace

QString tooLargeReason(qint64 maxSize)
{
    return QCoreApplication::translate("Files", "File too large (more than %1 bytes)").arg(maxSize);
}

Result<> checkRegularFile(const QString& path, qint64 maxSize)
{
    const Result<Landing> at = landLastName(path);
    if (!at.ok())
        return at.error();
    struct stat st {};
    const Result<Descriptor> opened =
        openRegularFile(at->folder.fd(), at->name, maxSize, LastLink::Followed, st);
    if (!opened.ok())
        return opened.error();
    return {};
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize, LastLink last)
{
    const Result<Landing> at = landLastName(path);
    if (!at.ok())
        return at.error();
    struct stat st {};
    return readOpened(openRegularFile(at->folder.fd(), at->name, maxSize, last, st), maxSize, st);
}

Result<QByteArray> readRegularFile(const Folder& folder, const QString& name, qint64 maxSize)
{
    struct stat st {};
    return readOpened(
        openRegularFile(folder.fd(), QFile::encodeName(name), maxSize, LastLink::Refused, st),
        maxSize, st);
}

} // namespace orvik
