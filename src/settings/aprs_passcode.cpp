#include "settings/aprs_passcode.h"

#include "settings/latin1.h"

#include <QCoreApplication>

namespace orvik {

namespace {

// Upper-cased as the appliance stores the login.
QByteArray callsignOf(const QString& login)
{
    QByteArray call = login.section(QLatin1Char('-'), 0, 0).toLatin1();
    upperCase(call);
    return call;
}

} // namespace

int aprsPasscode(const QString& login)
{
    const QByteArray call = callsignOf(login);
    int hash = 0x73E2;
    for (qsizetype i = 0; i < call.size(); i += 2) {
        hash ^= static_cast<unsigned char>(call[i]) << 8;
        if (i + 1 < call.size())
            hash ^= static_cast<unsigned char>(call[i + 1]);
    }
    return hash & 0x7FFF;
}

std::optional<QString> passcodeWarning(const QString& login, const QString& password)
{
    const int expected = aprsPasscode(login);
    if (password == QString::number(expected) || password == QLatin1String("-1"))
        return std::nullopt;
    return QCoreApplication::translate("Validation",
                                       "APRS-IS password does not match the login %1 (expected "
                                       "%2); the servers will accept the login but ignore its "
                                       "reports.")
        .arg(QString::fromLatin1(callsignOf(login)), QString::number(expected));
}

} // namespace orvik
