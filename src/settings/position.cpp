#include "settings/position.h"

#include "settings/catalogue.h"
#include "settings/validation.h"

namespace orvik {

QString decimalPosition(const QString& setting, const QString& text)
{
    int degreeDigits = 0;
    if (setting == settingName(Setting::Latitude) && CheckLatitude(text))
        degreeDigits = 2;
    else if (setting == settingName(Setting::Longitude) && CheckLongitude(text))
        degreeDigits = 3;
    else
        return {};
    // DD(D)MM.hh and the hemisphere letter.
    const double degrees =
        text.left(degreeDigits).toInt() + text.mid(degreeDigits, 5).toDouble() / 60;
    return QStringLiteral("= %1\u00B0 %2")
        .arg(QString::number(degrees, 'f', 4), QString(text.back()));
}

} // namespace orvik
