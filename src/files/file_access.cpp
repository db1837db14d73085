#include "files/file_access.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/file.h>
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

// Where a write to `path` lands: a symbolic link stays one and the file it
// leads to is replaced; empty, with errno set, when a link must not be
// followed. Since the writer follows links itself, the kernel never sees
// them, so its rule for links in sticky, world-writable folders (such as
// /tmp) is applied here: such a link is followed only when it belongs to
// this user or to the folder's owner.
QString replacedFile(const QString& path)
{
    QString current = path;
    for (int hops = 0; hops < 40; ++hops) { // the kernel's bound on a chain
        struct stat link {};
        if (::lstat(QFile::encodeName(current).constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return current;
        const QFileInfo info(current);
        struct stat folder {};
        if (::stat(QFile::encodeName(info.absolutePath()).constData(), &folder) == 0 &&
            (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH) &&
            link.st_uid != ::geteuid() && link.st_uid != folder.st_uid) {
            errno = EACCES;
            return {};
        }
        current = info.symLinkTarget();
    }
    errno = ELOOP;
    return {};
}

// The files this process holds a FileUpdateLock on, by device and inode.
struct HeldFiles {
    std::mutex mutex;
    std::set<std::pair<dev_t, ino_t>> files;
};
HeldFiles& heldFiles()
{
    static HeldFiles held;
    return held;
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

// Opens the regular file at `path` for reading, or fails when it is refused;
// `st` describes the file opened.
Result<int> openRegularFile(const QString& path, qint64 maxSize, struct stat& st)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, since opening a FIFO or a device can block or
    // act on the device.
    if (::stat(name.constData(), &st) != 0)
        return OperationError(systemReason(errno));
    QString error = notRegularReason(st.st_mode);
    if (error.isEmpty() && st.st_size > maxSize)
        error = tooLargeReason(maxSize);
    if (!error.isEmpty())
        return OperationError(error);

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OperationError(systemReason(errno));
    // The path may name another file by now.
    if (::fstat(fd, &st) != 0)
        error = systemReason(errno);
    else
        error = notRegularReason(st.st_mode);
    if (!error.isEmpty()) {
        ::close(fd);
        return OperationError(error);
    }
    return fd;
}

} // namespace

QString tooLargeReason(qint64 maxSize)
{
    return QStringLiteral("File too large (more than %1 bytes)").arg(maxSize);
}

Result<> checkRegularFile(const QString& path, qint64 maxSize)
{
    struct stat st {};
    const Result<int> fd = openRegularFile(path, maxSize, st);
    if (!fd.ok())
        return fd.error();
    ::close(*fd);
    return {};
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize)
{
    struct stat st {};
    const Result<int> opened = openRegularFile(path, maxSize, st);
    if (!opened.ok())
        return opened.error();
    const int fd = *opened;
    const Descriptor guard(fd);

    // One byte more than the file holds, so that a file that grew shows.
    QByteArray bytes(qMin<qint64>(st.st_size, maxSize) + 1, Qt::Uninitialized);
    if (!readToEnd(fd, bytes, maxSize))
        return OperationError(systemReason(errno));
    if (bytes.size() > maxSize)
        return OperationError(tooLargeReason(maxSize));
    return bytes;
}

Result<> writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    return writeFileAtomically(path, std::span<const QByteArrayView>(&bytes, 1));
}

Result<> writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces)
{
    const QString target = replacedFile(path);
    if (target.isEmpty())
        return OperationError(systemReason(errno));
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return OperationError(systemReason(errno));
    if (exists) {
        if (QString why = notRegularReason(old.st_mode); !why.isEmpty())
            return OperationError(why);
    }

    // QSaveFile only makes, renames and removes the temporary file; the bytes
    // go straight to its descriptor, each write checked, since Qt 6.4's
    // commit() reports success after a failed buffered flush and its write
    // errors lose the system's reason. Leaving without commit() removes the
    // temporary file.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return OperationError(file.errorString());
    for (const QByteArrayView piece : pieces) {
        if (!writeAll(file.handle(), piece))
            return OperationError(systemReason(errno));
    }
    if (exists ? !keepOwnerAndMode(file.handle(), old) : ::fchmod(file.handle(), 0600) != 0)
        return OperationError(systemReason(errno));
    // A disk that fills up late reports it here at the latest.
    if (::fsync(file.handle()) != 0)
        return OperationError(systemReason(errno));
    if (!file.commit())
        return OperationError(file.errorString());
    return {};
}

FileUpdateLock::FileUpdateLock(const QString& path)
{
    const QString target = replacedFile(path);
    for (;;) {
        struct stat st {};
        const QByteArray name = QFile::encodeName(target);
        // Looked at first, since opening a FIFO or a device can block or act.
        if (target.isEmpty() || ::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            return;
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return;
        }
        const std::pair key{st.st_dev, st.st_ino};
        {
            // flock() would wait for this process's own lock, taken through
            // another descriptor.
            const std::lock_guard guard(heldFiles().mutex);
            if (heldFiles().files.count(key) != 0) {
                ::close(fd);
                return;
            }
        }
        int locked;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        // The holder may have replaced the file meanwhile: then the lock
        // held is on the old one, and the new one is to be locked.
        struct stat now {};
        if (locked == 0 && ::stat(name.constData(), &now) == 0 && now.st_dev == st.st_dev &&
            now.st_ino == st.st_ino) {
            const std::lock_guard guard(heldFiles().mutex);
            heldFiles().files.insert(key);
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (locked != 0)
            return;
    }
}

FileUpdateLock::~FileUpdateLock()
{
    if (fd_ < 0)
        return;
    struct stat st {};
    if (::fstat(fd_, &st) == 0) {
        const std::lock_guard guard(heldFiles().mutex);
        heldFiles().files.erase({st.st_dev, st.st_ino});
    }
    ::close(fd_);
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
