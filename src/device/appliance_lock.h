#pragma once

#include "device/hid_transport.h"
#include "files/descriptor.h"

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

    // Locks the file at `path`, created (0600, never through a link, in its
    // folder reached as writeFileAtomically reaches one) when `create`,
    // without waiting; Taken at once when this lock holds that file
    // already.
    Result<Claim> take(const std::string& path, bool create);
    // Safe when nothing is held.
    void release();

private:
    Descriptor fd_;
    std::string path_;
};

} // namespace orvik
