#include "settings/latin1.h"

#include <QCoreApplication>

namespace orvik {

std::optional<QByteArray> toLatin1(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
    }
    return text.toLatin1();
}

void upperCase(QByteArray& bytes)
{
    for (char& c : bytes) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
}

QString latin1RefusalMessage(const QString& setting)
{
    return QCoreApplication::translate("Validation",
                                       "%1 - holds a character that cannot be stored (only "
                                       "Latin-1 characters are allowed).")
        .arg(setting);
}

bool breaksALine(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QChar(0));
}

QString lineBreakRefusalMessage(const QString& setting)
{
    return QCoreApplication::translate("Validation",
                                       "%1 - holds a character that cannot be stored (a line of "
                                       "a configuration file cannot hold a line break or NUL).")
        .arg(setting);
}

qsizetype characterCount(QStringView text)
{
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --count;
    }
    return count;
}

} // namespace orvik
