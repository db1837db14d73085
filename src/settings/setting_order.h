#pragma once

#include "settings/setting_id.h"

#include <QString>
#include <QtGlobal>
#include <vector>

namespace orvik {

// Row i is setting i: every lookup by enumerator relies on it, so a row of
// `table` left out or put elsewhere is named here, before it is taken for
// another.
template <class Row>
std::vector<Row> inSettingOrder(std::vector<Row> rows, [[maybe_unused]] const char* table)
{
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        Q_ASSERT_X(
            i < rows.size() && rows[i].id == static_cast<Setting>(i), table,
            qPrintable(QStringLiteral("no row for %1 at its place, row %2 (%3 stands there)")
                           .arg(QLatin1String(kSettingNames[i]), QString::number(i),
                                i < rows.size() ? QLatin1String(kSettingNames[position(rows[i].id)])
                                                : QLatin1String("none"))));
    }
    Q_ASSERT_X(rows.size() == kSettingCount, table, "more rows than settings");
    return rows;
}

} // namespace orvik
