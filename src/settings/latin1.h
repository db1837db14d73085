#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik {

// 8-bit texts (image and configuration file) are Latin-1. A character that
// Latin-1 cannot hold is refused, never turned into "?".
std::optional<QByteArray> toLatin1(const QString& text);

// Upper-cases a to z only, as the appliance's callsigns and logins are kept.
void upperCase(QByteArray& bytes);

// The information-box text that refuses such a character in `setting`.
QString latin1RefusalMessage(const QString& setting);

// True when `text` holds a character that ends or breaks a line of a
// configuration file (CR, LF or NUL).
bool breaksALine(const QString& text);
// The information-box text that refuses such a character in `setting`.
QString lineBreakRefusalMessage(const QString& setting);

// How many characters `text` holds: a character outside the Basic
// Multilingual Plane is one, not its two UTF-16 units.
qsizetype characterCount(QStringView text);

} // namespace orvik
