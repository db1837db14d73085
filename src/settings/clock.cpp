#include "settings/clock.h"

#include <QDateTime>

namespace orvik {

std::int64_t systemNow()
{
    return QDateTime::currentSecsSinceEpoch();
}

UtcTime toUtc(std::int64_t secondsSinceEpoch)
{
    const QDateTime t = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC);
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

} // namespace orvik
