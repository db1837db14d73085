#pragma once

#include "files/descriptor.h"
#include "files/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <chrono>
#include <functional>
#include <span>

struct stat;

namespace orvik {

// Every file the program reads or writes goes through here, so that a full
// disk, a device node, a FIFO or a huge file ends in a message instead of a
// lost file, a hang or a crash. Reasons are the system's own texts ("No such
// file or directory", "No space left on device") where it has one; callers
// put the path in front. A path is walked a name at a time from an open
// folder, for reading as for writing, so that whatever is written can be read
// back, deeper than PATH_MAX too, and it means what it means to the kernel:
// an empty path names nothing, and "file/" or "file/." is "Not a directory".

// Whether the last name of a path may be a symbolic link that is followed.
// The emulator's files never are: one there is refused as "Is a symbolic
// link, not a regular file".
enum class LastLink { Followed, Refused };

// An open folder (a descriptor), in which files are read and written by name
// alone, so that nothing done to the path after it was opened leads there
// elsewhere.
class Folder {
public:
    Folder() = default;
    explicit Folder(int fd) : fd_(fd) {}
    [[nodiscard]] int fd() const { return fd_.fd(); }

private:
    Descriptor fd_;
};

// Whether the folders of a path that do not exist are made.
enum class MissingFolders { Refused, Made };

// Judges a folder a walk enters, by the way it came (links' texts in place
// of the links) and what the folder is; a failure ends the walk with it.
using FolderJudge = std::function<Result<>(const QString& way, const struct stat& folder)>;

// The folder at `path`, reached as writeFileAtomically reaches the folder it
// writes in (links judged by the same rule), the missing ones made as
// `missing` says. `judge`, when given, judges every folder on the way as it
// is entered: the start, those links lead to, and the last one.
Result<Folder> openFolder(const QString& path, MissingFolders missing = MissingFolders::Refused,
                          const FolderJudge& judge = {});

// The whole of the regular file at `path` (a symbolic link to one will do,
// as `last` says), read once. Refused, without reading or waiting, when it
// cannot be opened, is a directory, FIFO, device or socket, or holds more
// than `maxSize` bytes.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize,
                                   LastLink last = LastLink::Followed);
// The same for the file `name` in `folder`, never following a link there.
Result<QByteArray> readRegularFile(const Folder& folder, const QString& name, qint64 maxSize);
// Whether `folder` holds an entry `name`, of whatever type.
[[nodiscard]] bool holds(const Folder& folder, const QString& name);
// The reason readRegularFile gives for a file of more than `maxSize` bytes.
QString tooLargeReason(qint64 maxSize);
// The system's text for `error` (an errno value), as the system says it.
QString systemReason(int error);
// The failure for a file of type `mode` that is not a regular one.
OperationError notRegularError(unsigned mode);
// The failure the system gave as `error` (an errno value).
OperationError systemFailure(int error);

// Whether readRegularFile would take the file at `path`: the same refusals,
// but the file is only opened, not read.
Result<> checkRegularFile(const QString& path, qint64 maxSize);

// Replaces the file at `path` with `bytes` as a whole: a temporary file beside
// it, every write, the flush and the sync checked, then a rename, and the
// folder synced. The folder is reached a name at a time from an open folder,
// and the file, its temporary file and the rename are made in the folder
// that was checked, so that a folder swapped for a link meanwhile makes the
// write fail, never land elsewhere. A symbolic link stays a link and its
// target is replaced, except one the kernel would not follow for this user: a
// link anywhere in the path that stands in a sticky, world-writable folder
// and belongs neither to the user nor to the folder's owner is refused with
// "Permission denied". The links of /proc (and so /dev/stdout) lead where the
// kernel's do. An existing file keeps its mode, and its owner and group where the
// process may set them; a new one is made readable by its owner alone (0600,
// whatever the umask), as files may hold passwords. A target that exists but
// is not a regular file, or cannot be written, is refused with the system's
// reason before anything is written. On failure the old file is left byte
// for byte and no temporary file remains.
Result<> writeFileAtomically(const QString& path, QByteArrayView bytes,
                             LastLink last = LastLink::Followed);
// The same with the bytes given in pieces, written one after another.
Result<> writeFileAtomically(const QString& path, std::span<const QByteArrayView> pieces,
                             LastLink last = LastLink::Followed);
// The same for the file `name` in `folder`, where a link is refused.
Result<> writeFileAtomically(const Folder& folder, const QString& name, QByteArrayView bytes);

// Whether writeFileAtomically would replace the file at `path` (links
// followed): the same refusals, but nothing is written.
Result<> checkReplaceable(const QString& path);

// Ends the process at once with `status`, from any thread, but not while
// another thread is in the middle of writeFileAtomically: that one ends
// first, so that no temporary file is left behind.
[[noreturn]] void exitBetweenFileWrites(int status);

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

// True when both paths name one existing file (same device and inode, links
// followed), so that a command can refuse to write over its own input.
[[nodiscard]] bool isSameFile(const QString& a, const QString& b);

} // namespace orvik
