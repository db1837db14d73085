#include "files/file_access.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvik {

namespace {

// Why a file of this type cannot be read or replaced; empty for a regular file.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Files", "Is a FIFO, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Files", "Is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Files", "Is a socket, not a regular file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("Files", "Is a symbolic link, not a regular file");
    return QCoreApplication::translate("Files", "Not a regular file");
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

// Whether the kernel would follow the link `link` standing in the folder
// `folder` for this user; its rule for links in sticky, world-writable
// folders (such as /tmp), which the writer applies itself, since it follows
// links on its own and the kernel never sees them.
bool followable(const struct stat& link, const QByteArray& folder)
{
    struct stat st {};
    return ::stat(folder.constData(), &st) != 0 || !(st.st_mode & S_ISVTX) ||
           !(st.st_mode & S_IWOTH) || link.st_uid == ::geteuid() || link.st_uid == st.st_uid;
}

// Where a write to `path` lands: the path with every symbolic link on it
// followed as the kernel follows it (the last name only as `last` says), one
// name at a time, so that a link planted in any folder of it is caught.
// Empty, with errno set, when a link must not be followed.
QString landingPath(const QString& path, LastLink last)
{
    QByteArray name = QFile::encodeName(path);
    if (!name.startsWith('/')) {
        char* here = ::getcwd(nullptr, 0);
        name = QByteArray(here ? here : ".") + '/' + name;
        std::free(here);
    }
    QByteArrayList left = name.split('/');
    QByteArray done; // without links, and without a final '/'
    for (int hops = 0; !left.isEmpty();) {
        const QByteArray part = left.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            done.truncate(qMax<qsizetype>(done.lastIndexOf('/'), 0));
            continue;
        }
        const QByteArray next = done + '/' + part;
        struct stat link {};
        if (::lstat(next.constData(), &link) != 0 || !S_ISLNK(link.st_mode) ||
            (left.isEmpty() && last == LastLink::Refused)) {
            done = next;
            continue;
        }
        if (++hops > 40) { // the kernel's bound on a chain
            errno = ELOOP;
            return {};
        }
        if (!followable(link, done.isEmpty() ? QByteArray("/") : done)) {
            errno = EACCES;
            return {};
        }
        QByteArray target(link.st_size + 1, Qt::Uninitialized);
        const ssize_t n = ::readlink(next.constData(), target.data(), target.size());
        if (n < 0)
            return {};
        target.truncate(n);
        if (target.startsWith('/'))
            done.clear();
        left = target.split('/') + left;
    }
    if (done.isEmpty())
        done = "/";
    // A link may lead to a name that the system's encoding cannot spell.
    const QString landing = QFile::decodeName(done);
    if (QFile::encodeName(landing) != done) {
        errno = EILSEQ;
        return {};
    }
    return landing;
}

// Held by writeFileAtomically from its temporary file's making to its end.
std::mutex& writingFiles()
{
    static std::mutex writing;
    return writing;
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
Result<int> openRegularFile(const QString& path, qint64 maxSize, LastLink last, struct stat& st)
{
    const QByteArray name = QFile::encodeName(path);
    const bool follow = last == LastLink::Followed;
    // Looked at before opening, since opening a FIFO or a device can block or
    // act on the device.
    if ((follow ? ::stat : ::lstat)(name.constData(), &st) != 0)
        return OperationError(systemReason(errno));
    QString error = notRegularReason(st.st_mode);
    if (error.isEmpty() && st.st_size > maxSize)
        error = tooLargeReason(maxSize);
    if (!error.isEmpty())
        return OperationError(error);

    const int fd =
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
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

// Makes the rename of a file in `folder` last; a file system that cannot
// sync a folder has nothing to make last.
bool syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

} // namespace

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString updatedElsewhere()
{
    return QCoreApplication::translate("Files", "another program is updating it");
}

QString tooLargeReason(qint64 maxSize)
{
    return QCoreApplication::translate("Files", "File too large (more than %1 bytes)").arg(maxSize);
}

Result<> checkRegularFile(const QString& path, qint64 maxSize)
{
    struct stat st {};
    const Result<int> fd = openRegularFile(path, maxSize, LastLink::Followed, st);
    if (!fd.ok())
        return fd.error();
    ::close(*fd);
    return {};
}

Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize, LastLink last)
{
    struct stat st {};
    const Result<int> opened = openRegularFile(path, maxSize, last, st);
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

Result<> writeFileAtomically(const QString& path, QByteArrayView bytes, LastLink last)
{
    return writeFileAtomically(path, std::span<const QByteArrayView>(&bytes, 1), last);
}

Result<> writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces,
                             LastLink last)
{
    const QString target = landingPath(path, last);
    if (target.isEmpty())
        return OperationError(systemReason(errno));
    const QByteArray name = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::lstat(name.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return OperationError(systemReason(errno));
    if (exists) {
        if (QString why = notRegularReason(old.st_mode); !why.isEmpty())
            return OperationError(why);
        // QSaveFile would say only "Existing file … is not writable".
        if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
            return OperationError(systemReason(errno));
    }

    const std::lock_guard writing(writingFiles());
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
    if (!syncFolder(QFileInfo(target).absolutePath()))
        return OperationError(systemReason(errno));
    return {};
}

void exitBetweenFileWrites(int status)
{
    writingFiles().lock();
    ::_exit(status);
}

FileUpdateLock::FileUpdateLock(const QString& path, std::chrono::seconds patience,
                               const std::function<void()>& waiting)
{
    using namespace std::chrono_literals;
    const auto started = std::chrono::steady_clock::now();
    bool said = false;
    const QString target = landingPath(path, LastLink::Followed);
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
        // Tried again and again rather than waited for, so that the wait has
        // an end and the user hears of it.
        int locked;
        while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EWOULDBLOCK) {
            const auto waited = std::chrono::steady_clock::now() - started;
            if (waited >= patience) {
                ::close(fd);
                busy_ = true;
                return;
            }
            if (waiting && !said && waited >= 1s) {
                said = true;
                waiting();
            }
            std::this_thread::sleep_for(50ms);
        }
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

Result<> FileUpdateLock::taken() const
{
    if (busy_)
        return OperationError(updatedElsewhere());
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
