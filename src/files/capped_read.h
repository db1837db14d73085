#pragma once

#include "files/path_walk.h"
#include "files/result.h"

#include <QByteArray>
#include <QString>

namespace orvik {

// Every file the program reads is read here, so that a device node, a FIFO
// or a huge file ends in a message instead of a hang or a crash.

// The whole of the regular file at `path` (a symbolic link to one will do,
// as `last` says), read once. Refused, without reading or waiting, when it
// cannot be opened, is a directory, FIFO, device or socket, or holds more
// than `maxSize` bytes.
Result<QByteArray> readRegularFile(const QString& path, qint64 maxSize,
                                   LastLink last = LastLink::Followed);
// The same for the file `name` in `folder`, never following a link there.
Result<QByteArray> readRegularFile(const Folder& folder, const QString& name, qint64 maxSize);
// The reason readRegularFile gives for a file of more than `maxSize` bytes.
QString tooLargeReason(qint64 maxSize);

// Whether readRegularFile would take the file at `path`: the same refusals,
// but the file is only opened, not read.
Result<> checkRegularFile(const QString& path, qint64 maxSize);

} // namespace orvik
