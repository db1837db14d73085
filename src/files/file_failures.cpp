#include "files/file_failures.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace orvik {

namespace {

// Why a file of type `mode` (st_mode) cannot be read or replaced as a file;
// empty for a regular file.
QString notRegularReason(unsigned mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Files", "Is a FIFO, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Files", "Is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Files", "Is a socket, not a regular file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("Files", "Is a symbolic link, not a regular file");
    return QCoreApplication::translate("Files", "Not a regular file");
}

} // namespace

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

OperationError systemFailure(int error)
{
    return OperationError(Cause::System, systemReason(error), {}, error);
}

OperationError notRegularError(unsigned mode)
{
    return OperationError(Cause::NotRegular, notRegularReason(mode), {},
                          S_ISDIR(mode) ? EISDIR : 0);
}

} // namespace orvik
