#pragma once

#include "files/path_walk.h"
#include "files/result.h"

#include <QByteArrayView>
#include <QString>
#include <span>

namespace orvik {

// Every file the program writes is written here, so that a full disk, a
// device node or a FIFO ends in a message instead of a lost file.

// Replaces the file at `path` with `bytes` as a whole: a temporary file beside
// it, every write, the flush and the sync checked, then a rename, and the
// folder synced. The folder is reached by land(), and the file, its temporary
// file and the rename are made in the folder that was checked, so that a
// folder swapped for a link meanwhile makes the write fail, never land
// elsewhere. A symbolic link stays a link and its target is replaced, except
// one the kernel would not follow for this user, which is refused as land()
// says. An existing file keeps its mode, and its owner and group where the
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

} // namespace orvik
