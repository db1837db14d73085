#pragma once

#include "files/descriptor.h"
#include "files/result.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <utility>

struct stat;

namespace orvik {

// A path is walked a name at a time from an open folder, for reading as for
// writing, so that whatever is written can be read back, deeper than PATH_MAX
// too, and it means what it means to the kernel: an empty path names nothing,
// and "file/" or "file/." is "Not a directory".

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
    explicit Folder(Descriptor fd) : fd_(std::move(fd)) {}
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

// Whether `folder` holds an entry `name`, of whatever type.
[[nodiscard]] bool holds(const Folder& folder, const QString& name);

// True when both paths name one existing file (same device and inode, links
// followed), so that a command can refuse to write over its own input.
[[nodiscard]] bool isSameFile(const QString& a, const QString& b);

// Where a path leads for the file layer's readers and writers: the folder
// that holds its last name, open, and that name ("." when the path names a
// folder).
struct Landing {
    Folder folder;
    QByteArray name;
};

// Walks `path` a name at a time from an open folder, each name opened once
// below the last folder without following a link, and each link met judged
// on the folder that holds it and followed by hand as the kernel would follow
// it (the last name only as `last` says), so that a link planted anywhere on
// the path is caught, and a folder swapped for a link after it was looked at
// makes the walk fail instead of leading elsewhere. A link there is one the
// kernel would not follow for this user when it stands in a sticky,
// world-writable folder and belongs neither to the user nor to the folder's
// owner: it is refused with "Permission denied". The links of /proc (and so
// /dev/stdout) lead where the kernel's do. With `toFolder`, the last name is
// a folder too, and the landing is that folder. `judge`, when given, judges
// each folder entered.
Result<Landing> land(const QByteArray& path, LastLink last, MissingFolders missing, bool toFolder,
                     const FolderJudge& judge = {});

// The folder of the last name of `path`, reached as a write reaches it, and
// that name, which is left for the kernel to open (a link there followed by
// it, or refused, as the opening says): so that a path reads wherever the
// writer writes, deeper than PATH_MAX too.
Result<Landing> landLastName(const QString& path);

} // namespace orvik
