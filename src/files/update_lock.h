#pragma once

#include "files/descriptor.h"
#include "files/result.h"

#include <QString>
#include <chrono>
#include <functional>

namespace orvik {

// Why an update did not start: another program has the file.
QString updatedElsewhere();

// While it lives, this process alone updates the existing regular file at
// `path` (links followed as writeFileAtomically follows them): an exclusive
// advisory lock on the file, taken again on the new file when another holder
// replaced it meanwhile, so that a read, merge and replace under it loses no
// other update. When another program holds it, the lock is tried again for
// up to `patience` (none: not at all), `waiting` being called once when a
// second has passed. A missing file, or one the writer would refuse, is not
// locked; a second lock on a file this process holds already costs nothing.
class [[nodiscard]] FileUpdateLock {
public:
    explicit FileUpdateLock(const QString& path, std::chrono::seconds patience = {},
                            const std::function<void()>& waiting = {});
    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;

    // Fails with updatedElsewhere() when another program held the file
    // throughout.
    [[nodiscard]] Result<> taken() const;

private:
    Descriptor fd_;
    bool busy_ = false;
};

} // namespace orvik
