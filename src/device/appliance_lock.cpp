#include "device/appliance_lock.h"

#include "files/file_failures.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace orvik {

Result<Claim> ApplianceLock::acquire(const std::string& path)
{
    if (fd_.isOpen() && path_ == path)
        return Claim::Taken;
    // Taken by its name, as hidapi opens it: the descriptor only holds the
    // lock.
    const Result<Claim> claim = lock(AT_FDCWD, path.c_str(), false);
    if (claim.ok() && *claim == Claim::Taken)
        path_ = path;
    return claim;
}

Result<Claim> ApplianceLock::acquire(const Folder& folder, const char* name)
{
    return lock(folder.fd(), name, true);
}

Result<Claim> ApplianceLock::lock(int folder, const char* name, bool create)
{
    release();
    // Non-blocking and no controlling terminal: the path may be a device node.
    // A lock file is never a link, which could make it elsewhere.
    const int flags =
        O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (create ? O_CREAT | O_NOFOLLOW : 0);
    const int fd = ::openat(folder, name, flags, 0600);
    struct stat st {};
    if (fd < 0 && errno == ELOOP && create &&
        ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
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
    return Claim::Taken;
}

void ApplianceLock::release()
{
    fd_.reset();
    path_.clear();
}

} // namespace orvik
