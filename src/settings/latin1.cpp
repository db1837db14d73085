#include "settings/latin1.h"

namespace orvik {

std::optional<QByteArray> toLatin1(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
    }
    return text.toLatin1();
}

QString latin1RefusalMessage(const QString& setting)
{
    return QStringLiteral("%1 - holds a character that cannot be stored (only Latin-1 characters "
                          "are allowed).")
        .arg(setting);
}

} // namespace orvik
