#include "files/path_walk.h"

#include "files/file_failures.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <optional>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace orvik {

namespace {

// Whether the kernel would follow the link `link` standing in the folder
// `folder` for this user; its rule for links in sticky, world-writable
// folders (such as /tmp), which the walk applies itself, since it follows
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

// The folder a walk of `path` starts from, open: the root for an absolute
// path, the current folder otherwise. The walk's only names, which no one
// else can swap for this process.
Folder walkStart(const QByteArray& path)
{
    return Folder(::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The entry `name` in `folder` itself, a link not followed: what the walk
// knows a name by, opened once, so that what it looks at is what it enters.
Descriptor openEntry(const Folder& folder, const QByteArray& name)
{
    return Descriptor(::openat(folder.fd(), name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
}

} // namespace

Result<Landing> land(const QByteArray& path, LastLink last, MissingFolders missing, bool toFolder,
                     const FolderJudge& judge)
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
        // Left for the kernel to open, whatever it is.
        if (lastName && last == LastLink::Refused && !object)
            return Landing{std::move(at), name};
        Descriptor entry = openEntry(at, name);
        if (!entry.isOpen()) {
            if (errno != ENOENT)
                return systemFailure(errno);
            if (lastName && !object)
                return Landing{std::move(at), name};
            if (lastName || missing == MissingFolders::Refused ||
                (::mkdirat(at.fd(), name.constData(), 0777) != 0 && errno != EEXIST))
                return systemFailure(errno);
            entry = openEntry(at, name);
            if (!entry.isOpen())
                return systemFailure(errno);
        }
        struct stat st {};
        if (::fstat(entry.fd(), &st) != 0)
            return systemFailure(errno);
        if (S_ISLNK(st.st_mode) && !(lastName && last == LastLink::Refused)) {
            if (++hops > 40) { // the kernel's bound on a chain
                errno = ELOOP;
                return systemFailure(errno);
            }
            QByteArray text;
            if (!linkText(entry.fd(), text))
                return systemFailure(errno);
            if (!followable(st, at.fd())) {
                errno = EACCES;
                return systemFailure(errno);
            }
            if (followedByObject(at.fd())) {
                // Only the kernel can follow a link of /proc to its object.
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
        }
        if (lastName) {
            if (object && std::pair(st.st_dev, st.st_ino) != *object) {
                errno = ENOENT;
                return systemFailure(errno);
            }
            return Landing{std::move(at), name};
        }
        if (!S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            return systemFailure(errno);
        }
        if (Result<> entered = enter(Folder(std::move(entry)), name); !entered.ok())
            return entered.error();
    }
    return Landing{std::move(at), "."};
}

Result<Landing> landLastName(const QString& path)
{
    return land(QFile::encodeName(path), LastLink::Refused, MissingFolders::Refused, false);
}

Result<Folder> openFolder(const QString& path, MissingFolders missing, const FolderJudge& judge)
{
    Result<Landing> at = land(QFile::encodeName(path), LastLink::Followed, missing, true, judge);
    if (!at.ok())
        return at.error();
    return (*std::move(at)).folder;
}

bool holds(const Folder& folder, const QString& name)
{
    struct stat st {};
    return ::fstatat(folder.fd(), QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) ==
           0;
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
