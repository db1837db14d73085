#include "files/update_lock.h"

#include "files/path_walk.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <utility>

namespace orvik {

namespace {

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

} // namespace

QString updatedElsewhere()
{
    return QCoreApplication::translate("Files", "another program is updating it");
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

} // namespace orvik
