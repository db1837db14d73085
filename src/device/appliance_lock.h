#pragma once

#include "device/hid_transport.h"
#include "files/descriptor.h"
#include "files/path_walk.h"

#include <QString>
#include <string>

namespace orvik {

// An exclusive advisory lock (flock) on one file: the device node of an
// appliance on USB, or the lock file in an emulated appliance's folder. The
// node is opened for the lock alone, since hidapi gives no descriptor. Locks
// taken through two opens conflict, also within one process.
class ApplianceLock {
public:
    ApplianceLock() = default;
    ~ApplianceLock() { release(); }
    ApplianceLock(const ApplianceLock&) = delete;
    ApplianceLock& operator=(const ApplianceLock&) = delete;

    // Locks the device node at `path`, without waiting; Taken at once when
    // this lock holds it already.
    Result<Claim> acquire(const std::string& path);
    // Locks the file `name` in `folder`, made (0600, never through a link)
    // when missing, without waiting.
    Result<Claim> acquire(const Folder& folder, const char* name);
    // Safe when nothing is held.
    void release();

private:
    Result<Claim> lock(int folder, const char* name, bool create);

    Descriptor fd_;
    std::string path_;
};

} // namespace orvik
