#include "files/atomic_write.h"

#include "files/descriptor.h"
#include "files/file_failures.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {

namespace {

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

// Held by writeFileAtomically from its temporary file's making to its end.
std::mutex& writingFiles()
{
    static std::mutex writing;
    return writing;
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

} // namespace orvik
