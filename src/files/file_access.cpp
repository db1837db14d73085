#include "files/file_access.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <mutex>
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace orvik {

namespace {

// Why a file of type `mode` (st_mode) cannot be read or replaced as a file;
// empty for a regular file.
QString notRegularReason(unsigned mode)
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
bool followable(const struct stat& link, int folder)
{
    struct stat st {};
    return ::fstat(folder, &st) != 0 || !(st.st_mode & S_ISVTX) || !(st.st_mode & S_IWOTH) ||
           link.st_uid == ::geteuid() || link.st_uid == st.st_uid;
}

// The links of /proc (a process's cwd, its fd/N) lead to their object, which
// their text may not name; the kernel follows them by the object.
bool followedByObject(int folder)
{
    struct statfs fs {};
    return ::fstatfs(folder, &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

// The text of the link `link` (a descriptor of the link itself), however long:
// a link's size says nothing for those of /proc. False with errno.
bool linkText(int link, QByteArray& text)
{
    text.resize(256);
    for (;;) {
        const ssize_t n = ::readlinkat(link, "", text.data(), text.size());
        if (n < 0)
            return false;
        if (n < text.size()) {
            text.truncate(n);
            return true;
        }
        text.resize(2 * text.size());
    }
}

// Whether `path` names a folder by its form alone, as the kernel reads it: a
// last "/", "." or "..", so that "file/" and "file/." are "Not a directory".
bool namesAFolder(const QByteArray& path)
{
    return path.endsWith('/') || path == "." || path == ".." || path.endsWith("/.") ||
           path.endsWith("/..");
}

QByteArrayList namesOf(const QByteArray& path)
{
    QByteArrayList names = path.split('/');
    names.removeIf([](const QByteArray& n) { return n.isEmpty() || n == "."; });
    return names;
}

// Where a write lands: the folder that holds it, open, and the name in it
// ("." when the path names a folder).
struct Landing {
    Folder folder;
    QByteArray name;
};

OperationError tooLarge(qint64 maxSize)
{
    return OperationError(Cause::TooLarge, tooLargeReason(maxSize));
}

// The folder a walk of `path` starts from, open: the root for an absolute
// path, the current folder otherwise. The walk's only names, which no one
// else can swap for this process.
Folder walkStart(const QByteArray& path)
{
    return Folder(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// Walks `path` a name at a time from an open folder, each folder opened
// below the last one without following a link, and each link met judged on
// the folder that holds it and followed by hand as the kernel would follow
// it (the last name only as `last` says), so that a link planted anywhere on
// the path is caught, and a folder swapped for a link after it was looked at
// makes the walk fail instead of leading elsewhere. With `toFolder`, the
// last name is a folder too, and the landing is that folder. `judge`, when
// given, judges each folder entered.
Result<Landing> land(const QByteArray& path, LastLink last, MissingFolders missing, bool toFolder,
                     const FolderJudge& judge = {})
{
    // An empty path names nothing, for the kernel too.
    if (path.isEmpty()) {
        errno = ENOENT;
        return systemFailure(errno);
    }
    Folder at = walkStart(path);
    if (at.fd() < 0)
        return systemFailure(errno);
    QByteArray way = path.startsWith('/') ? "/" : ".";
    // Judges the folder the walk is in; one that would not open fails the
    // next step on it.
    const auto judged = [&]() -> Result<> {
        struct stat st {};
        if (!judge || at.fd() < 0)
            return {};
        if (::fstat(at.fd(), &st) != 0)
            return systemFailure(errno);
        return judge(QFile::decodeName(way), st);
    };
    // Enters `folder`, `name` below the way so far.
    const auto enter = [&](Folder folder, const QByteArray& name) {
        at = std::move(folder);
        way = way == "." ? name : way.endsWith('/') ? way + name : way + '/' + name;
        return judged();
    };
    if (Result<> start = judged(); !start.ok())
        return start.error();
    QByteArrayList left = namesOf(path);
    toFolder = toFolder || namesAFolder(path);
    // The object a link of /proc led to, which the path its text gives must
    // still name.
    std::optional<std::pair<dev_t, ino_t>> object;
    for (int hops = 0; !left.isEmpty();) {
        const QByteArray name = left.takeFirst();
        const bool lastName = left.isEmpty() && !toFolder;
        struct stat st {};
        if (::fstatat(at.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return systemFailure(errno);
            if (lastName && !object)
                return Landing{std::move(at), name};
            if (lastName || missing == MissingFolders::Refused ||
                (::mkdirat(at.fd(), name.constData(), 0777) != 0 && errno != EEXIST))
                return systemFailure(errno);
        } else if (S_ISLNK(st.st_mode) && !(lastName && last == LastLink::Refused)) {
            if (++hops > 40) { // the kernel's bound on a chain
                errno = ELOOP;
                return systemFailure(errno);
            }
            const Descriptor link(
                ::openat(at.fd(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            QByteArray text;
            if (link.fd() < 0 || ::fstat(link.fd(), &st) != 0 || !linkText(link.fd(), text))
                return systemFailure(errno);
            if (!followable(st, at.fd())) {
                errno = EACCES;
                return systemFailure(errno);
            }
            if (followedByObject(at.fd())) {
                Folder target(::openat(at.fd(), name.constData(), O_PATH | O_CLOEXEC));
                if (target.fd() < 0 || ::fstat(target.fd(), &st) != 0)
                    return systemFailure(errno);
                if (S_ISDIR(st.st_mode)) {
                    if (Result<> entered = enter(std::move(target), name); !entered.ok())
                        return entered.error();
                    if (lastName)
                        return Landing{std::move(at), "."};
                    continue;
                }
                if (!lastName) {
                    errno = ENOTDIR;
                    return systemFailure(errno);
                }
                if (!S_ISREG(st.st_mode))
                    return notRegularError(st.st_mode);
                // A regular file: replaced where its path says, if that is it.
                object.emplace(st.st_dev, st.st_ino);
            }
            // A last link to "name/" leads to a folder, as the path "name/" would.
            toFolder = toFolder || (left.isEmpty() && namesAFolder(text));
            if (text.startsWith('/')) {
                at = walkStart(text);
                way = "/";
                if (Result<> root = judged(); !root.ok())
                    return root.error();
            }
            left = namesOf(text) + left;
            continue;
        } else if (lastName) {
            if (object && std::pair(st.st_dev, st.st_ino) != *object) {
                errno = ENOENT;
                return systemFailure(errno);
            }
            return Landing{std::move(at), name};
        }
        Folder next(
            ::openat(at.fd(), name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.fd() < 0)
            return systemFailure(errno);
        if (Result<> entered = enter(std::move(next), name); !entered.ok())
            return entered.error();
    }
    return Landing{std::move(at), "."};
}

// The folder of the last name of `path`, reached as a write reaches it, and
// that name, which is left for the kernel to open (a link there followed by
// it, or refused, as the opening says): so that a path reads wherever the
// writer writes, deeper than PATH_MAX too.
Result<Landing> landLastName(const QString& path)
{
    return land(QFile::encodeName(path), LastLink::Refused, MissingFolders::Refused, false);
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

// Makes the rename of a file in `folder` last; a file system that cannot
// sync a folder, or a folder this user may not read, has nothing to make last.
bool syncFolder(const Folder& folder)
{
    const Descriptor readable(::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return readable.fd() < 0 || ::fsync(readable.fd()) == 0 || errno == EINVAL;
}

// A name for the temporary file beside `name`, kept within the longest name
// a folder takes.
QByteArray temporaryName(const QByteArray& name)
{
    return name.left(200) + '.' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36).left(8);
}

// Whether the file `at` exists (then described by `old`); fails when it could
// not be replaced.
Result<bool> replaceable(const Landing& at, struct stat& old)
{
    const int folder = at.folder.fd();
    const char* name = at.name.constData();
    if (::fstatat(folder, name, &old, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT || ::faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) != 0)
            return systemFailure(errno);
        return false;
    }
    if (!S_ISREG(old.st_mode))
        return notRegularError(old.st_mode);
    if (::faccessat(folder, name, W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        return systemFailure(errno);
    return true;
}

// Replaces `at` with the pieces, as writeFileAtomically says.
Result<> replace(const Landing& at, std::span<const QByteArrayView> pieces)
{
    const int folder = at.folder.fd();
    const char* name = at.name.constData();
    struct stat old {};
    const Result<bool> found = replaceable(at, old);
    if (!found.ok())
        return found.error();
    const bool exists = *found;

    const std::lock_guard writing(writingFiles());
    QByteArray temporary;
    int fd = -1;
    do {
        temporary = temporaryName(at.name);
        fd = ::openat(folder, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0)
        return systemFailure(errno);
    const Descriptor file(fd);
    const auto failed = [&] {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        return systemFailure(error);
    };
    for (const QByteArrayView piece : pieces) {
        if (!writeAll(fd, piece))
            return failed();
    }
    if (exists ? !keepOwnerAndMode(fd, old) : ::fchmod(fd, 0600) != 0)
        return failed();
    // A disk that fills up late reports it here at the latest.
    if (::fsync(fd) != 0)
        return failed();
    if (::renameat(folder, temporary.constData(), folder, name) != 0)
        return failed();
    if (!syncFolder(at.folder))
        return systemFailure(errno);
    return {};
}

} // namespace

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

OperationError notRegularError(unsigned mode)
{
    return OperationError(Cause::NotRegular, notRegularReason(mode), {},
                          S_ISDIR(mode) ? EISDIR : 0);
}

OperationError systemFailure(int error)
{
    return OperationError(Cause::System, systemReason(error), {}, error);
}

QString updatedElsewhere()
{
    return QCoreApplication::translate("Files", "another program is updating it");
}

QString tooLargeReason(qint64 maxSize)
{
    return QCoreApplication::translate("Files", "File too large (more than %1 bytes)").arg(maxSize);
}

Result<Folder> openFolder(const QString& path, MissingFolders missing, const FolderJudge& judge)
{
    Result<Landing> at = land(QFile::encodeName(path), LastLink::Followed, missing, true, judge);
    if (!at.ok())
        return at.error();
    return (*std::move(at)).folder;
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

bool holds(const Folder& folder, const QString& name)
{
    struct stat st {};
    return ::fstatat(folder.fd(), QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) ==
           0;
}

Result<> writeFileAtomically(const QString& path, QByteArrayView bytes, LastLink last)
{
    return writeFileAtomically(path, std::span<const QByteArrayView>(&bytes, 1), last);
}

Result<> writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces,
                             LastLink last)
{
    const Result<Landing> at = land(QFile::encodeName(path), last, MissingFolders::Refused, false);
    if (!at.ok())
        return at.error();
    return replace(*at, pieces);
}

Result<> checkReplaceable(const QString& path)
{
    const Result<Landing> at =
        land(QFile::encodeName(path), LastLink::Followed, MissingFolders::Refused, false);
    struct stat old {};
    if (!at.ok())
        return at.error();
    if (const Result<bool> found = replaceable(*at, old); !found.ok())
        return found.error();
    return {};
}

Result<> writeFileAtomically(const Folder& folder, const QString& name, QByteArrayView bytes)
{
    // A descriptor of its own, as the landing owns the one it holds.
    Folder same(::fcntl(folder.fd(), F_DUPFD_CLOEXEC, 0));
    if (same.fd() < 0)
        return systemFailure(errno);
    return replace(Landing{std::move(same), QFile::encodeName(name)},
                   std::span<const QByteArrayView>(&bytes, 1));
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
    const Result<Landing> at =
        land(QFile::encodeName(path), LastLink::Followed, MissingFolders::Refused, false);
    if (!at.ok())
        return;
    const int folder = at->folder.fd();
    const char* name = at->name.constData();
    for (;;) {
        struct stat st {};
        // Looked at first, since opening a FIFO or a device can block or act.
        if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            return;
        Descriptor fd(::openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        if (!fd.isOpen() || ::fstat(fd.fd(), &st) != 0 || !S_ISREG(st.st_mode))
            return;
        const std::pair key{st.st_dev, st.st_ino};
        {
            // flock() would wait for this process's own lock, taken through
            // another descriptor.
            const std::lock_guard guard(heldFiles().mutex);
            if (heldFiles().files.count(key) != 0)
                return;
        }
        // Tried again and again rather than waited for, so that the wait has
        // an end and the user hears of it.
        int locked;
        while ((locked = ::flock(fd.fd(), LOCK_EX | LOCK_NB)) != 0 && errno == EWOULDBLOCK) {
            const auto waited = std::chrono::steady_clock::now() - started;
            if (waited >= patience) {
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
        if (locked == 0 && ::fstatat(folder, name, &now, AT_SYMLINK_NOFOLLOW) == 0 &&
            now.st_dev == st.st_dev && now.st_ino == st.st_ino) {
            const std::lock_guard guard(heldFiles().mutex);
            heldFiles().files.insert(key);
            fd_ = std::move(fd);
            return;
        }
        if (locked != 0)
            return;
    }
}

FileUpdateLock::~FileUpdateLock()
{
    if (!fd_.isOpen())
        return;
    struct stat st {};
    if (::fstat(fd_.fd(), &st) == 0) {
        const std::lock_guard guard(heldFiles().mutex);
        heldFiles().files.erase({st.st_dev, st.st_ino});
    }
}

Result<> FileUpdateLock::taken() const
{
    if (busy_)
        return OperationError(Cause::UpdatedElsewhere, updatedElsewhere());
    return {};
}

bool isSameFile(const QString& a, const QString& b)
{
    // Reached as the write reaches them, which PATH_MAX does not bound.
    const auto look = [](const QString& path, struct stat& st) {
        const Result<Landing> at = landLastName(path);
        return at.ok() && ::fstatat(at->folder.fd(), at->name.constData(), &st, 0) == 0;
    };
    struct stat sa {};
    struct stat sb {};
    return look(a, sa) && look(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace orvik
