#include "settings/number.h"

#include <QCoreApplication>

namespace orvik {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The reading itself, over a text of QChar or of Latin-1 bytes.
template <typename Text> std::optional<std::int32_t> readNumberIn(const Text& text)
{
    const auto at = [&text](qsizetype k) { return QChar(text[k]).unicode(); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && at(i) == u' ')
        ++i;
    if (i == n)
        return std::nullopt;

    bool hex = false;
    if (at(i) == u'$' || at(i) == u'x' || at(i) == u'X') {
        hex = true;
        ++i;
    } else if (at(i) == u'0' && i + 1 < n && (at(i + 1) == u'x' || at(i + 1) == u'X')) {
        hex = true;
        i += 2;
    }

    if (hex) {
        if (i == n || n - i > 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(QChar(at(i)));
            if (d < 0)
                return std::nullopt;
            value = value << 4 | static_cast<std::uint32_t>(d);
        }
        return static_cast<std::int32_t>(value);
    }

    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-') {
        negative = at(i) == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t u = at(i);
        if (u < '0' || u > '9')
            return std::nullopt;
        value = value * 10 + (u - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> tryReadNumber(const QString& text)
{
    return readNumberIn(text);
}

std::optional<std::int32_t> tryReadNumber(QLatin1StringView text)
{
    return readNumberIn(text);
}

OperationError notANumber(const QString& text)
{
    return OperationError(
        Cause::Unconvertible,
        QCoreApplication::translate("Validation", "'%1' is not a valid integer value").arg(text));
}

Result<std::int32_t> readNumber(const QString& text)
{
    if (const auto v = tryReadNumber(text))
        return *v;
    return notANumber(text);
}

} // namespace orvik
