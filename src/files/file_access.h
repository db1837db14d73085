#pragma once

#include "files/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <span>

namespace orvik {

// Every file the program reads or writes goes through here, so that a full
// disk, a device node, a FIFO or a huge file ends in a message instead of a
// lost file, a hang or a crash. Reasons are the system's own texts ("No such
// file or directory", "No space left on device") where it has one; callers
// put the path in front.

// The whole of the regular file at `path` (a symbolic link to one will do),
// read once. Refused, without reading or waiting, when it cannot be opened,
// is a directory, FIFO, device or socket, or holds more than `maxSize` bytes.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize);
// The reason readRegularFile gives for a file of more than `maxSize` bytes.
QString tooLargeReason(qint64 maxSize);

// Whether readRegularFile would take the file at `path`: the same refusals,
// but the file is only opened, not read.
Result<> checkRegularFile(const QString& path, qint64 maxSize);

// Replaces the file at `path` with `bytes` as a whole: a temporary file beside
// it, every write, the flush and the sync checked, then a rename. A symbolic
// link stays a link and its target is replaced, except one the kernel would
// not follow for this user (one in a sticky, world-writable folder owned
// neither by the user nor by the folder's owner), which is refused with
// "Permission denied". An existing file keeps its mode, and its owner and
// group where the process may set them; a new one is made readable by its
// owner alone (0600, whatever the umask), as files may hold passwords. A
// target that exists but is not a regular file is refused before anything is
// written. On failure the old file is left byte for byte and no temporary
// file remains.
Result<> writeFileAtomically(const QString& path, QByteArrayView bytes);
// The same with the bytes given in pieces, written one after another.
Result<> writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces);

// While it lives, this process alone updates the existing regular file at
// `path` (links followed as writeFileAtomically follows them): an exclusive
// advisory lock on the file, taken again on the new file when another holder
// replaced it meanwhile, so that a read, merge and replace under it loses no
// other update. It waits for the holder, which only ever holds it for one
// short update. A missing file, or one the writer would refuse, is not
// locked; a second lock on a file this process holds already costs nothing.
class [[nodiscard]] FileUpdateLock {
public:
    explicit FileUpdateLock(const QString& path);
    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;

private:
    int fd_ = -1;
};

// True when both paths name one existing file (same device and inode, links
// followed), so that a command can refuse to write over its own input.
[[nodiscard]] bool isSameFile(const QString& a, const QString& b);

} // namespace orvik
