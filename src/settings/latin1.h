#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik {

// 8-bit texts (image and configuration file) are Latin-1. A character that
// Latin-1 cannot hold is refused, never turned into "?".
std::optional<QByteArray> toLatin1(const QString& text);

// The information-box text that refuses such a character in `setting`.
QString latin1RefusalMessage(const QString& setting);

} // namespace orvik
