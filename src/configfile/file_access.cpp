#include "configfile/file_access.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file of this type cannot be read or replaced; empty for a regular file.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a FIFO, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("Is a socket, not a regular file");
    return QStringLiteral("Not a regular file");
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int fd_;
};

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

// False with errno when not every byte could be written.
bool writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// A symbolic link stays one: the file it leads to is the one replaced.
QString replacedFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// The new file takes the old one's owner and group where this process may
// give them (root may; others at most the group), then its mode, since a
// change of owner clears the set-id bits.
bool keepOwnerAndMode(int fd, const struct stat& old)
{
    [[maybe_unused]] const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Opens the regular file at `path` for reading, -1 with `error` set when it
// is refused; `st` describes the file opened.
int openRegularFile(const QString& path, qint64 maxSize, struct stat& st, QString& error)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, since opening a FIFO or a device can block or
    // act on the device.
    if (::stat(name.constData(), &st) != 0) {
        error = systemReason(errno);
        return -1;
    }
    error = notRegularReason(st.st_mode);
    if (error.isEmpty() && st.st_size > maxSize)
        error = tooLargeReason(maxSize);
    if (!error.isEmpty())
        return -1;

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = systemReason(errno);
        return -1;
    }
    // The path may name another file by now.
    if (::fstat(fd, &st) != 0)
        error = systemReason(errno);
    else
        error = notRegularReason(st.st_mode);
    if (!error.isEmpty()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString tooLargeReason(qint64 maxSize)
{
    return QStringLiteral("File too large (more than %1 bytes)").arg(maxSize);
}

FileStatus checkRegularFile(const QString& path, qint64 maxSize)
{
    struct stat st {};
    QString error;
    const int fd = openRegularFile(path, maxSize, st, error);
    if (fd >= 0)
        ::close(fd);
    return {error};
}

FileContent readRegularFile(const QString& path, qint64 maxSize)
{
    struct stat st {};
    QString error;
    const int fd = openRegularFile(path, maxSize, st, error);
    if (fd < 0)
        return {{}, error};
    const Descriptor guard(fd);

    // One byte more than the file holds, so that a file that grew shows.
    QByteArray bytes(qMin<qint64>(st.st_size, maxSize) + 1, Qt::Uninitialized);
    if (!readToEnd(fd, bytes, maxSize))
        return {{}, systemReason(errno)};
    if (bytes.size() > maxSize)
        return {{}, tooLargeReason(maxSize)};
    return {std::move(bytes), {}};
}

FileStatus writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    return writeFileAtomically(path, std::span<const QByteArrayView>(&bytes, 1));
}

FileStatus writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces)
{
    const QString target = replacedFile(path);
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return {systemReason(errno)};
    if (exists) {
        if (QString why = notRegularReason(old.st_mode); !why.isEmpty())
            return {why};
    }

    // QSaveFile only makes, renames and removes the temporary file; the bytes
    // go straight to its descriptor, each write checked, since Qt 6.4's
    // commit() reports success after a failed buffered flush and its write
    // errors lose the system's reason. Leaving without commit() removes the
    // temporary file.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {file.errorString()};
    for (const QByteArrayView piece : pieces) {
        if (!writeAll(file.handle(), piece))
            return {systemReason(errno)};
    }
    if (exists && !keepOwnerAndMode(file.handle(), old))
        return {systemReason(errno)};
    // A disk that fills up late reports it here at the latest.
    if (::fsync(file.handle()) != 0)
        return {systemReason(errno)};
    if (!file.commit())
        return {file.errorString()};
    return {};
}

bool isSameFile(const QString& a, const QString& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace orvik
