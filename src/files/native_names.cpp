#include "files/native_names.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

namespace orvik {

namespace {

// The length of the UTF-8 character that `lead` starts, 0 for a byte that
// starts none.
int utf8Length(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

QString escapedName(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            text += QLatin1Char(static_cast<char>(byte));
            ++i;
            continue;
        }
        // A whole character stands as itself, when it comes back unchanged.
        const QByteArray character = bytes.mid(i, utf8Length(byte));
        if (!character.isEmpty() && QString::fromUtf8(character).toUtf8() == character) {
            text += QString::fromUtf8(character);
            i += character.size();
            continue;
        }
        text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        ++i;
    }
    return text;
}

} // namespace

QString unusableName(const QByteArray& bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes ? QString() : escapedName(bytes);
}

QString unusableArgument(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (QString bad = unusableName(argv[i]); !bad.isEmpty())
            return bad;
    }
    return {};
}

QString unusableArgumentMessage(const QString& shown)
{
    return QCoreApplication::translate(
               "Files", "the argument '%1' cannot be used (not valid in this system's encoding)")
        .arg(shown);
}

} // namespace orvik
