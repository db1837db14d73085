#pragma once

#include <QString>

namespace orvik {

// A page counter line of the log: what, the page counted from 1, "/", the
// page count ("Page written: 7/192").
inline QString pageLine(const char* what, int page, int pageCount)
{
    return QStringLiteral("%1%2/%3").arg(QLatin1String(what)).arg(page).arg(pageCount);
}

} // namespace orvik
