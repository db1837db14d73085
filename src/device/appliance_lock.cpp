#include "device/appliance_lock.h"

#include "files/file_access.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace orvik {

Result<Claim> ApplianceLock::take(const std::string& path, bool create)
{
    if (fd_.isOpen() && path_ == path)
        return Claim::Taken;
    release();
    // Non-blocking and no controlling terminal: the path may be a device node.
    // One is taken by its name, as hidapi opens it: the descriptor only holds
    // the lock. A lock file of the emulator's is made in its folder, reached
    // as a file is written, and is never a link, which could make it
    // elsewhere.
    Folder folder(AT_FDCWD);
    std::string name = path;
    if (create) {
        const std::size_t slash = path.rfind('/');
        const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        Result<Folder> opened = openFolder(QFile::decodeName(dir.c_str()));
        if (!opened.ok())
            return opened.error();
        folder = *std::move(opened);
        name = path.substr(slash + 1);
    }
    const int flags =
        O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (create ? O_CREAT | O_NOFOLLOW : 0);
    const int fd = ::openat(folder.fd(), name.c_str(), flags, 0600);
    struct stat st {};
    if (fd < 0 && errno == ELOOP && create &&
        ::fstatat(folder.fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return notRegularError(st.st_mode);
    if (fd < 0)
        return systemFailure(errno);
    Descriptor held(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return Claim::Busy;
        return systemFailure(errno);
    }
    fd_ = std::move(held);
    path_ = path;
    return Claim::Taken;
}

void ApplianceLock::release()
{
    fd_.reset();
    path_.clear();
}

} // namespace orvik
